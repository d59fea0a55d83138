#pragma once
#include <QGroupBox>

class QCheckBox;
class QLabel;

// The utilities window's spell check switch, kept in Quaderlo.ini; a note when no Italian dictionary is installed.
class FrameOrtografia : public QGroupBox
{
    Q_OBJECT
public:
    explicit FrameOrtografia(QWidget *parent = nullptr);
    void chkOrtografia_Click();

private:
    QCheckBox *chkOrtografia = nullptr;
    QLabel *lblOrtografia = nullptr;
};
