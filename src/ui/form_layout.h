#pragma once
// What a Designer file cannot say about the pixel-placed forms of FILLMAP: their fonts are pixel
// heights at 96 dpi, and some children are aligned to their container like strips.

class QWidget;

namespace fillmap {

// Call after setupUi.
//
// Fonts: the Designer file holds point sizes (8, 10, 12, 28). Each stands for the pixel height
// it has at 96 dpi (11, 13, 16, 37), and that height is kept whatever the screen's dpi, since
// the places and sizes of the controls are pixels too.
//
// Alignment: a child with the dynamic property align "top" is a strip, as wide as its
// container's inside and stacked below the strips before it; align "client" fills what the
// strips leave. Both follow their container when the window is resized.
void apply_form_layout(QWidget* form);

}  // namespace fillmap
