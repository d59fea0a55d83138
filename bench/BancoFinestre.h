#pragma once
// What the window benchmarks share, besides Banco.h.
#include "Banco.h"
#include "composition/frmCompila.h"
#include "platform/Finestre.h"
#include "platform/Form.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>

// The composition window with the first class and its first pupil chosen; its first phrase list.
inline QListWidget *primoAlunno(frmCompila *&f)
{
    f = qobject_cast<frmCompila *>(Forms::get(Finestre::Compila));
    f->Form_Load();
    f->cmbClasse_DropDown();
    f->findChild<QComboBox *>(QStringLiteral("cmbClasse"))->setCurrentIndex(0);
    f->cmbClasse_Click();
    f->cmbAlunno_DropDown();
    f->findChild<QComboBox *>(QStringLiteral("cmbAlunno"))->setCurrentIndex(0);
    f->cmbAlunno_Click();
    QApplication::processEvents();
    return f->findChild<QListWidget *>(QStringLiteral("lstLista0"));
}
