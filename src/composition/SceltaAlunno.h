#pragma once
#include "composition/Giudizio.h"

#include <QString>

// What the views of the composition window ask of the window about the class and pupil chosen there.
class SceltaAlunno
{
public:
    // The pupil box's text, empty while no pupil is chosen.
    virtual QString alunno() const = 0;
    // The chosen pupil's gender code; 1 while none is chosen.
    virtual int sesso() const = 0;
    // A chosen pupil's name becomes FileAlunno.
    virtual void NomeFile() = 0;
    // Whose files: the class chosen, FileAlunno, the mode.
    virtual Giudizio::Alunno giudizio() const = 0;
    // "Devi scegliere un alunno ", then the pupil box gets the focus.
    virtual void chiediAlunno() = 0;

protected:
    ~SceltaAlunno() = default;
};
