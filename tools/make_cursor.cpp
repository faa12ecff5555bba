// Writes a cursor picture (PNG with its hot spot) from a text drawing, for
// the program's resources. Usage: make_cursor DRAWING.txt OUT.png
// Each line of the drawing is a row of pixels, top row first: "#" black,
// "o" white, "." transparent. Lines that begin with "#" followed by a blank
// are comments; the comment "# hot spot: X Y" names the hot spot, which the
// picture carries as its texts "HotSpotX" and "HotSpotY".
#include <QImage>
#include <QString>

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string hot_spot_comment = "# hot spot:";

bool colour_of(char c, QRgb& colour)
{
    switch (c) {
    case '#': colour = qRgba(0, 0, 0, 255); return true;
    case 'o': colour = qRgba(255, 255, 255, 255); return true;
    case '.': colour = qRgba(0, 0, 0, 0); return true;
    default: return false;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_cursor DRAWING.txt OUT.png\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::vector<std::string> rows;
    int hot_x = -1;
    int hot_y = -1;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.rfind(hot_spot_comment, 0) == 0) {
            std::istringstream(line.substr(hot_spot_comment.size())) >> hot_x >> hot_y;
            continue;
        }
        if (line.rfind("# ", 0) == 0)
            continue;
        if (!rows.empty() && line.size() != rows.front().size()) {
            std::cerr << argv[1] << ":" << number << ": row of another width\n";
            return 1;
        }
        rows.push_back(line);
    }
    if (rows.empty() || rows.front().empty()) {
        std::cerr << argv[1] << ": no pixels\n";
        return 1;
    }
    const int width = static_cast<int>(rows.front().size());
    const int height = static_cast<int>(rows.size());
    if (hot_x < 0 || hot_y < 0 || hot_x >= width || hot_y >= height) {
        std::cerr << argv[1] << ": no hot spot inside the picture (\"# hot spot: X Y\")\n";
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            QRgb colour = 0;
            if (!colour_of(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)], colour)) {
                std::cerr << argv[1] << ": unknown colour character in row " << y + 1 << "\n";
                return 1;
            }
            image.setPixel(x, y, colour);
        }
    image.setText("HotSpotX", QString::number(hot_x));
    image.setText("HotSpotY", QString::number(hot_y));
    return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
