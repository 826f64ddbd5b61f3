#pragma once
// The vertical gradient fill of the header and the tool buttons' faces, drawn off-screen and put
// down in one piece. The rows come from GradientRow (ColorOps.h); this adds only the drawing.
#include "toolkit/Canvas.h"

// Fills rect so that every row has one colour, start (a colour value, system colours resolved
// now) at the top and stop at the bottom. Nothing is drawn for an empty rectangle. The rows are
// filled into an eight-column strip, which is copied across in doubling strips.
void FillVerticalGradient(TCanvas& canvas, const RECT& rect, TColor start, TColor stop);
