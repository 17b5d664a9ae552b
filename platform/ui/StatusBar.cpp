#include "platform/ui/StatusBar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <algorithm>

#include "platform/ui/Form.h"

namespace ui {

StatusBar::StatusBar(const QString& name, int heightTwips, int panels, QWidget* parent)
    : QStatusBar(parent), m_heightPx(px(heightTwips)) {
    setObjectName(name);
    setSizeGripEnabled(false);
    setMinimumHeight(m_heightPx);
    for (int i = 1; i <= panels; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(name + QStringLiteral("_Panel") + QString::number(i));
        label->setTextFormat(Qt::PlainText);
        addWidget(label, i == 1 ? 1 : 0);
        m_panels.push_back(label);
    }
}

QLabel* StatusBar::panel(int index) const {
    return index >= 1 && index <= panelCount() ? m_panels[std::size_t(index - 1)] : nullptr;
}

void StatusBar::setPanelText(int index, const QString& text) {
    QLabel* label = panel(index);
    if (!label) return;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label->setText(shown);
    QCoreApplication::sendPostedEvents(this, QEvent::LayoutRequest);  // the bar measures the new text
    setMinimumHeight(std::max(m_heightPx, sizeHint().height()));
}

QString StatusBar::panelText(int index) const {
    const QLabel* label = panel(index);
    if (!label) return {};
    QString text = label->text();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

}  // namespace ui
