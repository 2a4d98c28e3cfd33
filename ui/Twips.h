// Places and sizes are given in twips (1/1440 inch) and converted with the screen's pixel density,
// 15 twips to a pixel at 96 dots per inch.
#pragma once

namespace ui {

int TwipsPerPixelX();
int TwipsPerPixelY();
int ToPixelsX(int twips);
int ToPixelsY(int twips);
int ToTwipsX(int pixels);
int ToTwipsY(int pixels);
int ScreenWidth();   // twips
int ScreenHeight();  // twips

}  // namespace ui
