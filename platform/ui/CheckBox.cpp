#include "platform/ui/CheckBox.h"

#include "platform/base/VbError.h"
#include "platform/ui/Dialogs.h"

namespace ui {

CheckBox::CheckBox(QWidget* parent) : CheckBox(QString(), parent) {}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    connect(this, &QCheckBox::clicked, this, [this] { guarded([this] { emit Click(); }); });
}

int CheckBox::Value() const {
    switch (checkState()) {
        case Qt::Checked:
            return vbChecked;
        case Qt::PartiallyChecked:
            return vbGrayed;
        default:
            return vbUnchecked;
    }
}

void CheckBox::setValue(int value) {
    switch (value) {
        case vbUnchecked:
            setCheckState(Qt::Unchecked);
            break;
        case vbChecked:
            setCheckState(Qt::Checked);
            break;
        case vbGrayed:
            setCheckState(Qt::PartiallyChecked);
            break;
        default:
            vb::raise(vb::errInvalidPropertyValue);
    }
}

// The user never makes a box grey; only code does.
void CheckBox::nextCheckState() { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }

}  // namespace ui
