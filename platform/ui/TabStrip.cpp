#include "platform/ui/TabStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace ui {

// QTabBar reports a press on a tab through tabBarClicked before it selects the tab, and for every
// button; the bar remembers which button it was.
class TabStrip::Bar : public QTabBar {
public:
    explicit Bar(QWidget* parent) : QTabBar(parent) {}
    Qt::MouseButton pressed = Qt::NoButton;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        pressed = e->button();
        QTabBar::mousePressEvent(e);
        pressed = Qt::NoButton;
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        pressed = e->button();
        QTabBar::mouseDoubleClickEvent(e);
        pressed = Qt::NoButton;
    }
};

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), m_bar(new Bar(this)) {
    m_bar->setObjectName(QStringLiteral("tabBar"));
    m_bar->setExpanding(false);
    m_bar->setElideMode(Qt::ElideNone);
    m_bar->setDrawBase(false);
    connect(m_bar, &QTabBar::tabBarClicked, this, &TabStrip::onBarClicked);
    connect(m_bar, &QTabBar::currentChanged, this, &TabStrip::onCurrentChanged);
}

TabStrip::~TabStrip() = default;

void TabStrip::addTab(const QString& caption) {
    m_adding = true;
    m_bar->addTab(caption);
    m_adding = false;
    layoutBar();
}

int TabStrip::tabCount() const { return m_bar->count(); }

QString TabStrip::tabCaption(int index) const { return m_bar->tabText(index - 1); }

int TabStrip::SelectedIndex() const { return m_bar->currentIndex() + 1; }

void TabStrip::setSelectedIndex(int index) {
    if (index >= 1 && index <= m_bar->count()) m_bar->setCurrentIndex(index - 1);
}

QTabBar* TabStrip::tabBar() const { return m_bar; }

QRect TabStrip::tabRect(int index) const { return m_bar->tabRect(index - 1); }

void TabStrip::onBarClicked(int index) {
    if (m_bar->pressed != Qt::LeftButton || index < 0) return;
    // Select the tab first, so the handler reads the tab that was clicked as the selected one; Qt's
    // own selection after this signal then finds it selected already.
    m_clicking = true;
    m_bar->setCurrentIndex(index);
    m_clicking = false;
    emit Click();
}

void TabStrip::onCurrentChanged(int index) {
    if (m_clicking || m_adding || index < 0) return;
    emit Click();
}

void TabStrip::layoutBar() {
    const int h = m_bar->sizeHint().height();
    m_bar->setGeometry(0, 0, width(), h);
}

void TabStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutBar();
}

void TabStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int barHeight = m_bar->height();
    frame.rect = QRect(0, barHeight - 1, width(), height() - barHeight + 1);
    frame.tabBarSize = m_bar->sizeHint();
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

}  // namespace ui
