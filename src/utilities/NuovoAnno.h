#pragma once

// The new school year: empties the archive after two confirmations and starts the main menu again.
void NuovoAnno();
