#pragma once

#include <string>
#include <vector>

// The names of every picture the main menu and the options dialog read or write,
// relative to the program's folder. Kept free of Qt so that the asset build can
// check them without linking the menu.
namespace orbo::menu_pictures {

inline constexpr const char* GraphicsFolder = "\\графика";

inline constexpr const char* SplashJpeg = "\\графика\\заставка.jpg";
inline constexpr const char* SplashBmp = "\\графика\\заставка.bmp";

// The figures, read from disk on every timer tick.
inline constexpr const char* HeroFigure = "\\графика\\снеговик.bmp";
inline constexpr const char* HeroFigure1 = "\\графика\\снеговик1.bmp";
inline constexpr const char* CopFigure = "\\графика\\коп.bmp";
inline constexpr const char* CopFigure1 = "\\графика\\коп1.bmp";

// Kettle frames 0, 2, ..., 100: 51 pictures.
inline constexpr int KettleFrameLast = 100;
inline constexpr int KettleFrameStep = 2;

// "\\Графика\\Чайник0042" for frame 42; the caller appends ".jpg" or ".bmp".
inline std::string kettleStem(int frame) {
    std::string digits = std::to_string(frame);
    digits.insert(0, digits.size() < 4 ? 4 - digits.size() : 0, '0');
    return "\\Графика\\Чайник" + digits;
}

// One JPEG the menu turns into the BMP file the game's display reads.
struct Conversion {
    std::string jpeg;
    std::string bmp;
};

// The splash first, then the kettle frames in ascending order.
inline std::vector<Conversion> conversions() {
    std::vector<Conversion> list{{SplashJpeg, SplashBmp}};
    for (int frame = 0; frame <= KettleFrameLast; frame += KettleFrameStep) {
        const std::string stem = kettleStem(frame);
        list.push_back({stem + ".jpg", stem + ".bmp"});
    }
    return list;
}

// Every picture that has to ship beside the program: the JPEG sources and the figures.
inline std::vector<std::string> shippedPictures() {
    std::vector<std::string> names;
    for (const Conversion& conversion : conversions()) names.push_back(conversion.jpeg);
    for (const char* figure : {HeroFigure, HeroFigure1, CopFigure, CopFigure1}) names.emplace_back(figure);
    return names;
}

// Every picture the menu writes at start-up.
inline std::vector<std::string> writtenPictures() {
    std::vector<std::string> names;
    for (const Conversion& conversion : conversions()) names.push_back(conversion.bmp);
    return names;
}

}  // namespace orbo::menu_pictures
