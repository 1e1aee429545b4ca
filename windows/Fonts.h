#pragma once

// The windows ask for the faces they were designed with: Arial, Arial Black
// and MS Sans Serif. Where a face is missing, Qt tries the stand-ins installed
// here, in order, before falling back to whatever the platform offers. A face
// that is installed is always used itself.
//
// Safe to call more than once; every window calls it before building itself.
void installFontSubstitutes();
