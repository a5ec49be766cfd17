// The screen's scale: twips per pixel across and down, from its real dots per inch.
#pragma once

double screenTwipsPerPixelX();
double screenTwipsPerPixelY();
