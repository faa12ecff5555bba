#!/usr/bin/env bash
# Makes the Debian package in a temporary folder from the build folder given,
# checks what it holds and what it tells dpkg, unpacks it into a temporary
# root and starts the programs there from their launchers. Nothing outside
# the temporary folder is changed. Exit code 77: the tools are missing.
set -euo pipefail
build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The dependencies dpkg-shlibdeps would add take seconds to work out; the rest is the real package.
(cd "$build" && cpack -G DEB -B "$work/out" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF >/dev/null)
deb=$(ls "$work"/out/*.deb)
app=opt/technical-drawing-tutor
results=var/lib/technical-drawing-tutor/RESULTS

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in $app/{students_manager,tutor,students,WinTola.ini,WINTOLA.TXT,GUID1.TXT,SOLIDS.OBJ,BLOCKS.OBJ} \
            usr/bin/{students,students-manager,drawing-tutor} \
            usr/share/applications/{students-manager,technical-drawing-tutor}.desktop \
            usr/share/icons/hicolor/scalable/apps/technical-drawing-tutor{,-students-manager}.svg $results/; do
  grep -qxF "./$path" <<<"$contents" || fail "the package lacks /$path"
done
# Removing the package leaves the pupils' files: it owns their directory, never a file in it.
if grep -q "^\./$results/." <<<"$contents"; then fail "the package owns a file in the student files directory"; fi

dpkg-deb -e "$deb" "$work/control"
[ "$(cat "$work/control/conffiles")" = "$(printf '/%s\n' $app/WinTola.ini $app/WINTOLA.TXT $app/GUID1.TXT)" ] \
  || fail "conffiles: $(cat "$work/control/conffiles")"
grep -q "dpkg-statoverride --update --add root drawing-tutor 2775 \"/$results\"" "$work/control/postinst" \
  || fail "postinst does not give the student files directory to its group"
if grep -Eq '(^|[^-])rm ' "$work/control/postrm"; then fail "postrm removes files"; fi
grep -q '^Depends:.*adduser' "$work/control/control" || fail "no dependency on adduser"

# The programs from their launchers in an unpacked root, with the results directory of that root.
root=$work/root
dpkg-deb -x "$deb" "$root"
grep -qx "Student Files Directory=/$results" "$root/$app/WinTola.ini" || fail "the settings name another directory"
sed -i "s|^Student Files Directory=.*|Student Files Directory=$root/$results|" "$root/$app/WinTola.ini"
cd "$work"
"$root/usr/bin/students" --help | grep -q '^usage: students' || fail "students --help"
"$root/usr/bin/students" create "Anna Jansen" --password tulip >/dev/null || fail "students create"
"$root/usr/bin/students" list | grep -q '^Anna Jansen' || fail "students list"
[ "$(stat -c %a "$root/$results/Anna Jansen.results")" = 664 ] || fail "a new results file is not group-writable"
"$root/usr/bin/students" guidance check >/dev/null || fail "students guidance check"

# The windowed programs: their main windows appear on a virtual display (a box
# at start would show instead); without one they must still run after 3 s.
cat > "$work/windows.sh" <<'CHECK'
unset QT_QPA_PLATFORM   # the windows go to the virtual display
seen_window() {   # launcher, window name
  "$1" >/dev/null 2>&1 &
  local pid=$! found=1
  for _ in $(seq 300); do   # up to 30 s on a busy machine
    if xwininfo -root -tree 2>/dev/null | grep -qF "\"$2\""; then found=0; break; fi
    sleep 0.1
  done
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  return $found
}
seen_window "$1/usr/bin/students-manager" "Students Manager" && seen_window "$1/usr/bin/drawing-tutor" "tutor"
CHECK
if command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null; then
  xvfb-run -a bash "$work/windows.sh" "$root" || fail "a program showed no main window"
else
  for launcher in students-manager drawing-tutor; do
    code=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/$launcher" >/dev/null 2>&1 || code=$?
    [ "$code" = 124 ] || fail "$launcher ended at once with $code"
  done
fi
echo "package $(basename "$deb"): contents, metadata and launchers checked"
