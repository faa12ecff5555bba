#include "tests/screenshots/screen_picture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace screen_picture {

namespace {

constexpr int channel_tolerance = 64;     // of 255
constexpr double allowed_share = 0.001;   // of all pixels
constexpr int allowed_minimum = 20;       // pixels, for small windows

// Pixels with a channel beyond the tolerance.
int differing_pixels(const QImage& shown, const QImage& reference)
{
    const QImage a = shown.convertToFormat(QImage::Format_RGB32), b = reference.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))})
                > channel_tolerance;
        }
    return differing;
}

} // namespace

std::string check(const QImage& shown, const std::string& name)
{
    const QString reference_path = QString(WINTOLA_SOURCE_DIR) + "/tests/data/screenshots/" + name.c_str() + ".png";
    const char* update = std::getenv("WINTOLA_UPDATE_SCREENSHOTS");
    if (update && std::string(update) == "1")
        return shown.save(reference_path) ? "" : "cannot write " + reference_path.toStdString();
    const QImage reference(reference_path);
    if (reference.isNull())
        return "no reference image " + reference_path.toStdString() + " (WINTOLA_UPDATE_SCREENSHOTS=1 makes it)";
    const bool same_size = shown.size() == reference.size();
    const int differing = same_size ? differing_pixels(shown, reference) : 0;
    if (same_size && differing <= std::max<double>(allowed_minimum, allowed_share * shown.width() * shown.height()))
        return "";
    const std::string folder = std::string(WINTOLA_BIN_DIR) + "/../screenshots";
    std::filesystem::create_directories(folder);
    shown.save(QString::fromStdString(folder + "/" + name + ".png"));
    return name + (same_size ? ": " + std::to_string(differing) + " pixels differ" : ": not the reference's size")
        + "; the picture is in " + folder;
}

} // namespace screen_picture
