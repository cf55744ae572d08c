#include "core/basColourScheme.h"

namespace basColourScheme {

void SetColourScheme(int32_t buttonFace) { PaletteColour = SchemeColours(buttonFace); }

}  // namespace basColourScheme
