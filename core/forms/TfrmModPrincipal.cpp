#include "core/forms/TfrmModPrincipal.h"

#include "core/forms/TDatabaseTimeout.h"
#include "core/forms/TfrmAbout.h"
#include "core/util/SystemIdentity.h"
#include "core/util/TExeVer.h"
#include "platform/os/VersionResource.h"
#include "platform/ui/Make.h"
#include "platform/ui/MenuLayout.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>
#include <cmath>

TfrmModPrincipal::TfrmModPrincipal(TComponent* owner) : TfrmModBase(owner) {
    SetFormStyle(TFormStyle::fsMDIForm);
    // Maximised once the message loop shows it.
    SetWindowState(TWindowState::wsMaximized);
    SetPosition(TPosition::poDefaultPosOnly);

    imgFundo = Make<TImage>(this, QStringLiteral("imgFundo"), this);
    imgFundo->SetVisible(false);

    lblSigla = CreateLabel(QStringLiteral("lblSigla"), QStringLiteral("SIGLA"));
    lblSigla->SetBounds(16, 12, lblSigla->Width(), lblSigla->Height());
    lblSistema = CreateLabel(QStringLiteral("lblSistema"), QStringLiteral("NOME DO SISTEMA"));
    lblSistema->SetBounds(16, 60, lblSistema->Width(), lblSistema->Height());

    sbApp = Make<TStatusBar>(this, QStringLiteral("sbApp"), this);
    sbApp->SetAlign(TAlign::alBottom);
    for (int width : {90, 400, 150})
        sbApp->AddPanel(width);

    BuildMainMenu();

    evApp = Make<TExeVer>(this, QStringLiteral("evApp"));
    // The idle time-out names no database: it stays inert.
    dtApp = Make<TDatabaseTimeout>(this, QStringLiteral("dtApp"));
    dtApp->SetDisconnectMsg(TDatabaseTimeout::DefaultDisconnectMsg);
    dtApp->SetReopenDataSets(false);

    OnCreate = TNotifyEvent(this, &TfrmModPrincipal::FormCreate);
    OnShow = TNotifyEvent(this, &TfrmModPrincipal::FormShow);
    OnClose = TCloseEvent(this, &TfrmModPrincipal::FormClose);
}

void TfrmModPrincipal::BuildMainMenu() {
    imlApp = Make<TImageList>(this, QStringLiteral("imlApp"));
    alApp = Make<TActionList>(this, QStringLiteral("alApp"));
    alApp->SetImages(imlApp);
    acSair = MakeAction(this, alApp, QStringLiteral("acSair"), QStringLiteral("&Sair"));
    acSair->OnExecute = TNotifyEvent(this, &TfrmModPrincipal::acSairExecute);
    acSobre = MakeAction(this, alApp, QStringLiteral("acSobre"), QStringLiteral("&Sobre..."));
    acSobre->OnExecute = TNotifyEvent(this, &TfrmModPrincipal::acSobreExecute);

    mmApp = Make<TMainMenu>(this, QStringLiteral("mmApp"));
    TMenuItem* barra = mmApp->Items();
    mniPrincipal =
        MakeMenuItem(this, barra, 0, QStringLiteral("mniPrincipal"), nullptr, QStringLiteral("&Principal"));
    mniSair = MakeMenuItem(this, mniPrincipal, 0, QStringLiteral("mniSair"), acSair);
    mniAjuda = MakeMenuItem(this, barra, 1, QStringLiteral("mniAjuda"), nullptr, QStringLiteral("&Ajuda"));
    mniSobre = MakeMenuItem(this, mniAjuda, 0, QStringLiteral("mniSobre"), acSobre);
    SetMenu(mmApp);
}

TfrmModPrincipal::~TfrmModPrincipal() {
    if (MdiArea())
        MdiArea()->viewport()->removeEventFilter(this);
}

TLabel* TfrmModPrincipal::CreateLabel(const QString& name, const QString& caption) {
    auto* label = Make<TLabel>(this, name, this);
    label->SetTransparent(true);
    label->SetCaption(caption);
    PlaceOnClientArea(label);
    return label;
}

void TfrmModPrincipal::PlaceOnClientArea(TLabel* label) {
    if (!MdiArea())
        return;
    const QRect bounds = label->Widget()->geometry();
    label->Widget()->setParent(MdiArea()->viewport());
    label->Widget()->setGeometry(bounds);
    label->Widget()->setVisible(label->Visible());
    label->Widget()->lower();
}

void TfrmModPrincipal::FormCreate(TObject*) {
    m_painting = false;
    evApp->SetFilename(RunningExecutable());
    SetCaption(evApp->FileDescription());
    sbApp->Panels(0)->SetText(evApp->FileVersion() + QLatin1Char(' ') + evApp->InternalName());
    HookClientWindow();
}

void TfrmModPrincipal::HookClientWindow() {
    if (FormStyle() != TFormStyle::fsMDIForm || !MdiArea() || m_hooked)
        return;
    m_hooked = true;
    MdiArea()->viewport()->installEventFilter(this);
    DrawBackground();
}

bool TfrmModPrincipal::eventFilter(QObject* watched, QEvent* event) {
    if (m_hooked && MdiArea() && watched == MdiArea()->viewport() && event->type() == QEvent::Resize &&
        !m_painting) {
        m_painting = true;
        PlaceRightAligned();
        DrawBackground();
        m_painting = false;
    }
    return TfrmModBase::eventFilter(watched, event);
}

void TfrmModPrincipal::DrawBackground() {
    if (!MdiArea())
        return;
    const QSize size = MdiArea()->viewport()->size().expandedTo(QSize(1, 1));
    QPixmap background(size);
    if (!imgFundo->Picture().isNull()) {
        QPainter painter(&background);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(background.rect(), imgFundo->Picture());
    } else {
        background.fill(Color());
    }
    MdiArea()->setBackground(QBrush(background));
    // The frame's labels stay above the background, beneath the documents.
    // Lowered last to first, so that they keep their order among themselves.
    const QObjectList children = MdiArea()->viewport()->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (auto* widget = qobject_cast<QWidget*>(*it); widget && !qobject_cast<QMdiSubWindow*>(widget))
            widget->lower();
}

void TfrmModPrincipal::KeepFromRightEdge(TLabel* label, int distance) {
    m_rightAligned.emplace_back(label, distance);
    PlaceRightAligned();
}

void TfrmModPrincipal::PlaceRightAligned() {
    if (!MdiArea())
        return;
    const int width = MdiArea()->viewport()->width();
    for (const auto& [label, distance] : m_rightAligned)
        label->SetLeft(width - distance);
}

void TfrmModPrincipal::FormShow(TObject*) {
    if (m_authorityName)
        return;
    const QFontMetrics metrics(lblSigla->Font());
    const int x = static_cast<int>(std::lround(metrics.horizontalAdvance(lblSigla->Caption()) * 2.0)) +
                  lblSigla->Left();
    const int y = lblSigla->Top();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(11);
    font.setBold(true);
    const QString nome = AuthorityDisplayName();
    auto makeLabel = [&](const QString& name, const QColor& color, int left, int top) {
        auto* label = Make<TLabel>(this, name, this);
        label->SetTransparent(true);
        label->SetFont(font);
        label->SetCaption(nome);
        label->SetFontColor(color);
        label->SetBounds(left, top, label->Width(), label->Height());
        PlaceOnClientArea(label);
        label->Widget()->raise();
        return label;
    };
    m_authorityName = makeLabel(QStringLiteral("lblNomeOrgao"), Qt::black, x, y);
    m_authorityNameShadow = makeLabel(QStringLiteral("lblNomeOrgaoSombra"), Qt::white, x - 2, y - 2);
    DrawBackground();
}

void TfrmModPrincipal::FormClose(TObject*, TCloseAction& action) {
    for (int i = MDIChildCount() - 1; i >= 0; --i)
        if (i < MDIChildCount())
            MDIChildren(i)->Close();
    if (Application)
        Application->ProcessMessages();
    if (MDIChildCount() > 0)
        action = TCloseAction::caNone;
}

void TfrmModPrincipal::acSairExecute(TObject*) {
    Close();
}

void TfrmModPrincipal::acSobreExecute(TObject*) {
    std::unique_ptr<TfrmAbout> about(TForm::Create<TfrmAbout>(this));
    about->SetTexts(evApp->FileDescription(), evApp->FileVersion(), evApp->CustomInfo(), evApp->eMail());
    about->ShowModal();
}

void TfrmModPrincipal::DocumentNotification(TfrmModDocumento*, TOperation) {}
