#pragma once
#include <QIcon>

// The picture of the exit button: an open door with an arrow leading out.
QIcon iconaUscita();
