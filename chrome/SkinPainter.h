#pragma once
// Paints the window's surface from the skin bitmap by nine-slice scaling, and gives the window its rounded
// outline. The skin is painted once, when the window is created; repaints only copy the result.
#include <cstdint>

class TCanvas;
class TBitmap;
class TForm;
class TImage;

// Paints pixels (0, 0) to (width - 1, height - 1) of canvas from skin: corners unscaled, bands and edges
// stretched with whole rows and columns repeated (COLORONCOLOR), every pixel opaque, fuchsia included.
// Uses one staging bitmap for the call, released on every path; drawing errors propagate.
void DrawSkin(TCanvas& canvas, TBitmap& skin, int32_t width, int32_t height);

// Paints the skin into fs, the image that fills the form's client area, and clips the form to its rounded
// outline. Creates the skin holder on first use. Errors (a bitmap or the holder that cannot be created)
// propagate; a refused region leaves the form rectangular.
void BuildSkin(TForm& form, TImage& fs);
