#include "platform/ui/TStatusBar.h"

#include "platform/ui/TStatusPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>

TStatusBar::TStatusBar(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, new QWidget), m_stack(new QStackedWidget(Widget())), m_panelRow(new QWidget),
      m_simple(new QLabel) {
    auto* outer = new QHBoxLayout(Widget());
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_stack);
    auto* row = new QHBoxLayout(m_panelRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addStretch(1);
    m_stack->addWidget(m_panelRow);
    m_stack->addWidget(m_simple);
    SetAlign(TAlign::alBottom);
    SetBounds(0, 0, 200, 19);
    SetParent(parent);
}

TStatusBar::~TStatusBar() = default;

TStatusPanel* TStatusBar::AddPanel(int width) {
    auto* label = new QLabel;
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* row = static_cast<QHBoxLayout*>(m_panelRow->layout());
    row->insertWidget(row->count() - 1, label);
    m_panels.push_back(std::make_unique<TStatusPanel>(label));
    m_panels.back()->SetWidth(width);
    return m_panels.back().get();
}

void TStatusBar::SetSimplePanel(bool simple) {
    m_stack->setCurrentWidget(simple ? static_cast<QWidget*>(m_simple) : m_panelRow);
}

QString TStatusBar::SimpleText() const {
    return m_simple->text();
}
void TStatusBar::SetSimpleText(const QString& text) {
    m_simple->setText(text);
}
