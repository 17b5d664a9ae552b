#include "platform/ui/ListBox.h"

#include <QSignalBlocker>

#include "platform/ui/Dialogs.h"

namespace ui {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A click on another line moves the current row at the press and reports the click at the release:
    // one Click for both. A click on the line already current changes no row and is reported alone.
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling || row < 0) return;
        m_rowChangedByPress = m_pressing ? row : -1;
        guarded([this] { emit Click(); });
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) {
        const bool reported = row(it) == m_rowChangedByPress;
        m_rowChangedByPress = -1;
        if (!reported) guarded([this] { emit Click(); });
    });
}

void ListBox::mousePressEvent(QMouseEvent* e) {
    m_pressing = true;
    QListWidget::mousePressEvent(e);
    m_pressing = false;
}

void ListBox::mouseReleaseEvent(QMouseEvent* e) {
    QListWidget::mouseReleaseEvent(e);
    m_rowChangedByPress = -1;  // a press that ended off its line reported its pick already
}

// Qt makes the first line current when a list without one gets the focus; a VB list picks nothing then.
void ListBox::focusInEvent(QFocusEvent* e) {
    const bool none = currentRow() < 0;
    m_filling = true;
    QListWidget::focusInEvent(e);
    if (none && currentRow() >= 0) setCurrentRow(-1);
    m_filling = false;
}

void ListBox::AddItem(const QString& text, int itemData) {
    auto* it = new QListWidgetItem(text);
    it->setData(Qt::UserRole, itemData);
    m_filling = true;
    addItem(it);
    m_filling = false;
}

void ListBox::Clear() {
    m_filling = true;
    clear();
    m_rowChangedByPress = -1;
    m_filling = false;
}

QString ListBox::List(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

int ListBox::ItemData(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->data(Qt::UserRole).toInt() : 0;
}

}  // namespace ui
