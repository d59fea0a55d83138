#pragma once
#include <QString>

class Superficie;

// Lays the text out as a justified block from x0, W wide, starting at the surface's CurrentY:
// broken lines are stretched to both edges, a CR LF ends a line unstretched, each word is drawn
// on its own. The text is consumed: it is empty on return.
void ImpaginaBlocchetto(Superficie &s, QString &testo, float x0, float W);
