#include "tests/screenshots/screen_picture.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace screen_picture {

namespace {

std::string reference_path(const std::string& name)
{
    return std::string(WINTOLA_SOURCE_DIR) + "/tests/data/screenshots/" + name + ".png";
}

std::string shown_path(const std::string& name)
{
    const std::string folder = std::string(WINTOLA_BIN_DIR) + "/../screenshots";
    std::filesystem::create_directories(folder);
    return folder + "/" + name + ".png";
}

int channel_difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

bool updating()
{
    const char* update = std::getenv("WINTOLA_UPDATE_SCREENSHOTS");
    return update && std::string(update) == "1";
}

} // namespace

difference compare(const QImage& shown, const QImage& reference)
{
    difference d;
    d.same_size = shown.size() == reference.size();
    if (!d.same_size)
        return d;
    const QImage a = shown.convertToFormat(QImage::Format_RGB32);
    const QImage b = reference.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const int channel = channel_difference(a.pixel(x, y), b.pixel(x, y));
            d.largest_channel_difference = std::max(d.largest_channel_difference, channel);
            d.differing_pixels += channel > channel_tolerance;
        }
    return d;
}

bool within_tolerance(const difference& d, const QImage& shown)
{
    const double allowed = std::max<double>(allowed_minimum, allowed_share * shown.width() * shown.height());
    return d.same_size && d.differing_pixels <= allowed;
}

std::string check(const QImage& shown, const std::string& name)
{
    if (updating())
        return shown.save(QString::fromStdString(reference_path(name))) ? "" : "cannot write " + reference_path(name);
    const QImage reference(QString::fromStdString(reference_path(name)));
    if (reference.isNull())
        return "no reference image " + reference_path(name) + " (WINTOLA_UPDATE_SCREENSHOTS=1 makes it)";
    const difference d = compare(shown, reference);
    if (within_tolerance(d, shown))
        return "";
    shown.save(QString::fromStdString(shown_path(name)));
    if (!d.same_size)
        return name + ": " + std::to_string(shown.width()) + " x " + std::to_string(shown.height())
            + " pixels, the reference " + std::to_string(reference.width()) + " x " + std::to_string(reference.height());
    return name + ": " + std::to_string(d.differing_pixels) + " pixels differ (largest channel difference "
        + std::to_string(d.largest_channel_difference) + "); the picture is in " + shown_path(name);
}

} // namespace screen_picture
