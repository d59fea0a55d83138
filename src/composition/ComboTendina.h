#pragma once
#include <QComboBox>
#include <functional>

// A drop-down list whose opening runs a handler first (the box's DropDown event), and whose
// focus events come as signals. Keys that would change the choice with the list closed open it
// instead, so that every choice goes through the DropDown handler.
class ComboTendina : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboTendina(QWidget *parent = nullptr);
    // Runs before the list opens; false keeps it closed.
    std::function<bool()> dropDown;
    void showPopup() override;

signals:
    void gotFocus();
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
