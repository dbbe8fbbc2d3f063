#include "components/navigation/TVCLTbBtns.h"

#include "components/navigation/TCustomVCLToolbar.h"
#include "components/navigation/TVCLTbButton.h"
#include "platform/ui/TSpeedButton.h"

#include <algorithm>

TVCLTbBtns::TVCLTbBtns(TCustomVCLToolbar* toolbar) : m_toolbar(toolbar) {
    if (!toolbar)
        throw Exception(QStringLiteral("VCLToolbar não pode ser nil"));
}

TVCLTbBtns::~TVCLTbBtns() = default;

TVCLTbButton* TVCLTbBtns::Add() {
    m_items.push_back(std::make_unique<TVCLTbButton>(this));
    Update();
    return m_items.back().get();
}

void TVCLTbBtns::Delete(int index) {
    m_items.erase(m_items.begin() + index);
    Update();
}

void TVCLTbBtns::Clear() {
    m_items.clear();
    Update();
}

int TVCLTbBtns::IndexOf(const TVCLTbButton* item) const {
    const auto found =
        std::find_if(m_items.begin(), m_items.end(), [item](const auto& own) { return own.get() == item; });
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

void TVCLTbBtns::Move(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= Count() || to >= Count())
        return;
    auto item = std::move(m_items[static_cast<std::size_t>(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
    Update();
}

void TVCLTbBtns::Assign(const TVCLTbBtns& source) {
    if (&source == this)
        return;
    m_items.clear();
    for (int i = 0; i < source.Count(); ++i)
        m_items.push_back(std::make_unique<TVCLTbButton>(this));
    for (int i = 0; i < source.Count(); ++i)
        source.Items(i)->AssignTo(*Items(i));
    Update();
}

void TVCLTbBtns::Update() {
    const int border = m_toolbar->BorderWidth();
    int x = border;
    for (const auto& item : m_items) {
        if (!item->Visible())
            continue;
        item->RenderGlyph();
        item->SpeedButton()->SetBounds(x + item->OffSet(), border, m_toolbar->ButtonWidth(),
                                       m_toolbar->ButtonHeight());
        x += item->OffSet() + m_toolbar->ButtonWidth();
    }
}
