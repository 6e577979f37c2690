#pragma once
// The fold-out panels: their backgrounds, and the slider and dial pictures the program
// draws for each value.

#include "skin_set.h"

namespace zalvane::skingen {

// Where along a horizontal slider the knob of `value` is centred: on the last pixel of the
// run that gives the value, which is where the program writes that value's scale label.
// Values past the labelled ones (the slider's last few pixels) sit at the right end.
double HorizontalKnob(int value, int offset, int step, int maxLabelledValue, int width);

void AddPanelImages(SkinSet& skin);

}  // namespace zalvane::skingen
