#pragma once
// A list box with VB's items: each line carries a whole number (ItemData) beside its text, and Click
// follows every pick the user makes, by the mouse or by a key that moves the current line, once per pick.
// Filling it from code raises no Click.
#include <QListWidget>
#include <QString>

namespace ui {

class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    void AddItem(const QString& text, int itemData = 0);
    void Clear();
    [[nodiscard]] int ListCount() const { return count(); }
    [[nodiscard]] QString List(int index) const;  // "" outside the list
    [[nodiscard]] int ItemData(int index) const;  // 0 outside the list
    [[nodiscard]] int ListIndex() const { return currentRow(); }
    [[nodiscard]] QString Text() const { return List(currentRow()); }  // the current line, "" when none

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    bool m_filling = false;
    bool m_pressing = false;
    int m_rowChangedByPress = -1;
};

}  // namespace ui
