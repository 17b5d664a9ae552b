#pragma once
// A check box with VB's Value: 0 unchecked, 1 checked, 2 grey (partly). Qt numbers these 0, 2, 1, so
// Value() is the only way windows read and set it. A click by the user toggles between 0 and 1 (a grey box
// becomes checked) and raises Click; setting Value in code raises nothing.
#include <QCheckBox>

namespace ui {

enum : int { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);
    explicit CheckBox(const QString& caption, QWidget* parent = nullptr);

    [[nodiscard]] int Value() const;
    // A value other than 0, 1 or 2 raises vb::errInvalidPropertyValue (380).
    void setValue(int value);

signals:
    void Click();

protected:
    void nextCheckState() override;
};

}  // namespace ui
