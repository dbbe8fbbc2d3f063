#pragma once
// The button collection of a toolbar. Every change (an item added, moved,
// removed, shown, hidden or given another gap) lays the buttons out again
// (Update): left to right from BorderWidth, each after its OffSet.

#include <memory>
#include <vector>

class TCustomVCLToolbar;
class TVCLTbButton;

class TVCLTbBtns {
public:
    // Raises Exception "VCLToolbar não pode ser nil" without a toolbar.
    explicit TVCLTbBtns(TCustomVCLToolbar* toolbar);
    ~TVCLTbBtns();
    TVCLTbBtns(const TVCLTbBtns&) = delete;
    TVCLTbBtns& operator=(const TVCLTbBtns&) = delete;

    TCustomVCLToolbar* GetOwner() const { return m_toolbar; }

    int Count() const { return static_cast<int>(m_items.size()); }
    TVCLTbButton* Items(int index) const { return m_items.at(static_cast<std::size_t>(index)).get(); }
    TVCLTbButton* Add();
    void Delete(int index);
    void Clear();
    int IndexOf(const TVCLTbButton* item) const;
    void Move(int from, int to);
    // Makes this collection a copy of `source` (same number of items, each assigned).
    void Assign(const TVCLTbBtns& source);

    // The layout.
    void Update();

private:
    TCustomVCLToolbar* m_toolbar;
    std::vector<std::unique_ptr<TVCLTbButton>> m_items;
};
