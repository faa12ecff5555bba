#pragma once
// The geometry's share of start-up, after the text-section file is loaded:
// the screen aspect factor from the primary screen, then the kernel's
// nearest colours and pixel scales, which depend on it.

void start_up_screen_drawing();
void start_up_kernel();
