#include "components/navigation/TVCLTbButton.h"

#include "components/navigation/TCustomVCLToolbar.h"
#include "components/navigation/TVCLTbBtns.h"
#include "components/navigation/TVCLToolbarActionLink.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TSpeedButton.h"

#include <QPainter>

TVCLTbButton::TVCLTbButton(TVCLTbBtns* collection) : m_collection(collection), m_button(nullptr) {
    if (!collection)
        throw Exception(QStringLiteral("Coleção deve ser da classe TVCLTbBtns"));
    TCustomVCLToolbar* toolbar = collection->GetOwner();
    m_button = new TSpeedButton(toolbar, toolbar);
    m_link = std::make_unique<TVCLToolbarActionLink>(this);
    m_button->SetBounds(toolbar->BorderWidth(), toolbar->BorderWidth(), toolbar->ButtonWidth(),
                        toolbar->ButtonHeight());
    m_button->SetFlat(toolbar->Flat());
    m_button->SetLayout(toolbar->ButtonLayout());
    m_button->SetShowHint(toolbar->ShowHints());
    m_button->OnClick = TNotifyEvent::fromFunction([this](TObject*) { ButtonClick(); });
}

TVCLTbButton::~TVCLTbButton() {
    m_link.reset();
    delete m_button;
}

TCustomVCLToolbar* TVCLTbButton::Toolbar() const {
    return m_collection->GetOwner();
}

TAction* TVCLTbButton::Action() const {
    return m_link->Action();
}

void TVCLTbButton::SetAction(TAction* action) {
    m_link->SetAction(action); // runs ActionChange at once
    if (!Toolbar()->ShowCaptions())
        m_button->SetCaption(QString());
}

void TVCLTbButton::ActionChange(TAction& action) {
    SetImageIndex(action.ImageIndex());
    SetCaption(action.Caption());
    if (action.Visible() != m_visible)
        SetVisible(action.Visible());
    m_button->SetEnabled(action.Enabled());
    m_button->SetHint(action.Hint());
}

void TVCLTbButton::SetCaption(const QString& caption) {
    m_caption = caption;
    if (!Toolbar()->IsLoading() && Toolbar()->ShowCaptions())
        m_button->SetCaption(caption);
}

void TVCLTbButton::SetOffSet(int offSet) {
    m_offSet = offSet;
    m_collection->Update();
}

void TVCLTbButton::SetVisible(bool visible) {
    m_visible = visible;
    m_button->SetVisible(visible);
    m_collection->Update();
}

void TVCLTbButton::SetImageIndex(int index) {
    m_imageIndex = index;
    RenderGlyph();
}

void TVCLTbButton::RenderGlyph() {
    const TImageList* images = Toolbar()->Images();
    if (m_imageIndex < 0 || !images) {
        m_button->SetGlyph(QPixmap());
        return;
    }
    QPixmap glyph(images->Width(), images->Height());
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    images->Draw(painter, 0, 0, m_imageIndex, true);
    painter.end();
    m_button->SetGlyph(glyph);
}

int TVCLTbButton::Index() const {
    return m_collection->IndexOf(this);
}
void TVCLTbButton::SetIndex(int index) {
    m_collection->Move(Index(), index);
}

bool TVCLTbButton::Enabled() const {
    return m_button->Enabled();
}
void TVCLTbButton::SetEnabled(bool enabled) {
    m_button->SetEnabled(enabled);
}
QString TVCLTbButton::Hint() const {
    return m_button->Hint();
}
void TVCLTbButton::SetHint(const QString& hint) {
    m_button->SetHint(hint);
}
bool TVCLTbButton::AllowAllUp() const {
    return m_button->AllowAllUp();
}
void TVCLTbButton::SetAllowAllUp(bool allow) {
    m_button->SetAllowAllUp(allow);
}
bool TVCLTbButton::Down() const {
    return m_button->Down();
}
void TVCLTbButton::SetDown(bool down) {
    m_button->SetDown(down);
}
int TVCLTbButton::GroupIndex() const {
    return m_button->GroupIndex();
}
void TVCLTbButton::SetGroupIndex(int index) {
    m_button->SetGroupIndex(index);
}
int TVCLTbButton::Margin() const {
    return m_button->Margin();
}
void TVCLTbButton::SetMargin(int margin) {
    m_button->SetMargin(margin);
}
int TVCLTbButton::Spacing() const {
    return m_button->Spacing();
}
void TVCLTbButton::SetSpacing(int spacing) {
    m_button->SetSpacing(spacing);
}
int TVCLTbButton::Tag() const {
    return m_button->Tag();
}
void TVCLTbButton::SetTag(int tag) {
    m_button->SetTag(tag);
}
TCursor TVCLTbButton::Cursor() const {
    return m_button->Cursor();
}
void TVCLTbButton::SetCursor(TCursor cursor) {
    m_button->SetCursor(cursor);
}

QString TVCLTbButton::GetDisplayName() const {
    if (const TAction* action = Action())
        return action->Caption().isEmpty() ? action->Name() : action->Caption();
    if (!m_caption.isEmpty())
        return m_caption;
    return QStringLiteral("TVCLTbButton%1").arg(Index());
}

void TVCLTbButton::AssignTo(TVCLTbButton& destination) const {
    destination.m_link->SetAction(Action());
    destination.SetCaption(Caption());
    destination.SetOffSet(OffSet());
    destination.SetEnabled(Enabled());
    destination.SetVisible(Visible());
    destination.SetImageIndex(ImageIndex());
    destination.SetIndex(Index());
    destination.SetAllowAllUp(AllowAllUp());
    destination.SetCursor(Cursor());
    destination.SetDown(Down());
    destination.SetGroupIndex(GroupIndex());
    destination.SetMargin(Margin());
    destination.SetSpacing(Spacing());
    destination.SetTag(Tag());
    destination.SetHint(Hint());
}

void TVCLTbButton::ButtonClick() {
    if (TAction* action = Action())
        action->Execute();
    Toolbar()->ButtonClicked(this);
}
