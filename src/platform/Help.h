#pragma once
#include <QString>

// The program's guide, "Aiuto.chm" in the program folder.
namespace Help {
void open();
} // namespace Help
