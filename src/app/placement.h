#pragma once

namespace fiscalia {

// Window places inside the frame, in twips (1/1440 inch; 15 twips to a pixel
// on the screen).
struct TwipsPoint {
    int left = 0;
    int top = 0;
};

inline constexpr int TwipsPerPixel = 15;
constexpr int twipsToPixels(int twips)
{
    // Rounded to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

inline constexpr int SmallFrame = 6810;
inline constexpr int LargeFrame = 8670;

// The frame's size class from its height: large above 8500 twips.
constexpr int frameSizeFor(int frameHeightTwips)
{
    return frameHeightTwips > 8500 ? LargeFrame : SmallFrame;
}

constexpr bool isSmallFrame(int frameSize) { return frameSize < 8501; }

// Where tool windows (every calculator, the graph, the Investment Manager's
// windows) stand inside the frame.
constexpr TwipsPoint toolWindowPlace(int frameSize)
{
    return isSmallFrame(frameSize) ? TwipsPoint{-40, -30} : TwipsPoint{1200, 1000};
}

// Where the Menu window stands inside the frame.
constexpr TwipsPoint menuWindowPlace(int frameSize)
{
    return isSmallFrame(frameSize) ? TwipsPoint{-25, -15} : TwipsPoint{1200, 1000};
}

// The small dialogs, placed at the frame's own corner plus an offset.
enum class DialogPlace {
    Message,         // message and yes/no windows
    PrinterHeader,
    Settings,
    DaysInYear,
    AdditionalPayments,
    StartDate,
    PriceInput,
    FundChooser,
    ImportPreview,   // the wide preview of an import, placed as tool windows are
};

constexpr TwipsPoint dialogOffset(DialogPlace dialog, int frameSize)
{
    const bool small = isSmallFrame(frameSize);
    switch (dialog) {
    case DialogPlace::Message: return small ? TwipsPoint{3550, 2500} : TwipsPoint{4800, 3550};
    case DialogPlace::PrinterHeader: return small ? TwipsPoint{3400, 3000} : TwipsPoint{4500, 4000};
    case DialogPlace::Settings: return small ? TwipsPoint{3060, 700} : TwipsPoint{4000, 2000};
    case DialogPlace::DaysInYear: return small ? TwipsPoint{3200, 1700} : TwipsPoint{4300, 2700};
    case DialogPlace::AdditionalPayments: return small ? TwipsPoint{4300, 630} : TwipsPoint{5300, 1650};
    case DialogPlace::StartDate: return small ? TwipsPoint{4000, 2400} : TwipsPoint{5000, 3400};
    case DialogPlace::PriceInput: return small ? TwipsPoint{3340, 3450} : TwipsPoint{4400, 4490};
    case DialogPlace::FundChooser: return small ? TwipsPoint{3200, 1250} : TwipsPoint{4450, 2300};
    case DialogPlace::ImportPreview: return small ? TwipsPoint{300, 300} : TwipsPoint{1200, 1000};
    }
    return {};
}

// The frame at start: Left 0, Top 0, Width 9615, Height 6810.
inline constexpr int FrameStartWidth = 9615;
inline constexpr int FrameStartHeight = 6810;

} // namespace fiscalia
