#include "core/forms/TfrmAbout.h"

#include "core/util/SystemIdentity.h"
#include "platform/base/SysUtils.h"
#include "platform/os/MemoryStatus.h"
#include "platform/ui/Make.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TTimer.h"

#include <QDesktopServices>
#include <QPainter>
#include <QUrl>

const QString TfrmAbout::WebAddress = QStringLiteral("https://www.sefaz.kv.gov.br");

namespace {

constexpr int DatabaseListHeight = 68;

QString Kilobytes(std::uint64_t bytes) {
    return FormatFloat(QStringLiteral("###,### KB"), static_cast<double>(bytes / 1024));
}

// The emblem of the box: a document with the product's initials.
QPixmap EmblemPixmap() {
    QPixmap picture(48, 56);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(4, 54, 143), 2));
    painter.setBrush(QColor(230, 238, 250));
    const QPolygon folha({QPoint(4, 2), QPoint(34, 2), QPoint(44, 12), QPoint(44, 54), QPoint(4, 54)});
    painter.drawPolygon(folha);
    painter.drawLine(34, 2, 34, 12);
    painter.drawLine(34, 12, 44, 12);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(4, 18, 40, 30), Qt::AlignCenter, QStringLiteral("ZEB"));
    return picture;
}

} // namespace

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("frmAbout"));
    SetCaption(QStringLiteral("Sobre"));
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(354);
    SetClientHeight(308);

    BuildButtons();
    BuildImagePanel();
    lblBancoDados = Label(QStringLiteral("lblBancoDados"), QStringLiteral("Banco de Dados:"), 8, 198, this);
    lstDatabases = Make<TListBox>(this, QStringLiteral("lstDatabases"), this);
    lstDatabases->SetBounds(8, 214, 338, 50);

    tmrUpdate = Make<TTimer>(this, QStringLiteral("tmrUpdate"));
    tmrUpdate->SetInterval(2000);
    tmrUpdate->OnTimer = TNotifyEvent(this, &TfrmAbout::tmrUpdateTimer);

    OnCreate = TNotifyEvent(this, &TfrmAbout::FormCreate);
    OnShow = TNotifyEvent(this, &TfrmAbout::FormShow);
}

void TfrmAbout::BuildButtons() {
    pnBotoes = Make<TPanel>(this, QStringLiteral("pnBotoes"), this);
    pnBotoes->SetCaption(QString());
    pnBotoes->SetAlign(TAlign::alBottom);
    pnBotoes->SetHeight(40);
    pnBotoes->OnDblClick = TNotifyEvent(this, &TfrmAbout::pnBotoesDblClick);
    btnOK = Make<TButton>(this, QStringLiteral("btnOK"), pnBotoes);
    btnOK->SetCaption(QStringLiteral("OK"));
    btnOK->SetModalResult(mrOk);
    btnOK->SetDefault(true);
    btnOK->SetCancel(true);
    btnOK->SetBounds(140, 8, 75, 25);
}

void TfrmAbout::BuildImagePanel() {
    pnlImage = Make<TPanel>(this, QStringLiteral("pnlImage"), this);
    pnlImage->SetCaption(QString());
    pnlImage->SetBounds(8, 8, 338, 184);
    pnlImage->SetBevelOuter(TBevelCut::bvLowered);
    pnlImage->SetColor(Qt::white);
    imgLogo = Make<TImage>(this, QStringLiteral("imgLogo"), pnlImage);
    imgLogo->SetPicture(EmblemPixmap());
    imgLogo->SetBounds(8, 8, 48, 56);

    lblSigla = Label(QStringLiteral("lblSigla"), QString(), 64, 10, pnlImage);
    QFont destaque = lblSigla->Font();
    destaque.setBold(true);
    destaque.setPixelSize(16);
    lblSigla->SetFont(destaque);
    lblSecretaria = Label(QStringLiteral("lblSecretaria"), QString(), 64, 30, pnlImage);
    lblSecretaria->SetAutoSize(false);
    lblSecretaria->SetWordWrap(true);
    lblSecretaria->SetBounds(64, 30, 266, 32);

    mmSysInfo = Make<TMemo>(this, QStringLiteral("mmSysInfo"), pnlImage);
    mmSysInfo->SetReadOnly(true);
    mmSysInfo->SetBounds(8, 66, 322, 48);

    Label(QStringLiteral("lblMemoriaUso"), QStringLiteral("Memória em uso: "), 8, 118, pnlImage);
    lblMemInUse = Label(QStringLiteral("lblMemInUse"), QString(), 130, 118, pnlImage);
    Label(QStringLiteral("lblMemoriaTotal"), QStringLiteral("Total de memória:"), 8, 133, pnlImage);
    lblMemTotal = Label(QStringLiteral("lblMemTotal"), QString(), 130, 133, pnlImage);

    // The two links on lines of their own: together they are wider than the box.
    lblLink = Label(QStringLiteral("lblLink"), WebAddress, 8, 148, pnlImage);
    lblLink->SetCursor(crHandPoint);
    lblLink->OnClick = TNotifyEvent(this, &TfrmAbout::lblLinkClick);
    lblEmail = Label(QStringLiteral("lblEmail"), QString(), 8, 163, pnlImage);
    lblEmail->SetCursor(crHandPoint);
    lblEmail->OnClick = TNotifyEvent(this, &TfrmAbout::lblEmailClick);
    for (TLabel* link : {lblLink, lblEmail}) {
        QFont font = link->Font();
        font.setUnderline(true);
        link->SetFont(font);
    }
}

TLabel* TfrmAbout::Label(const QString& name, const QString& caption, int left, int top,
                         TWinControl* parent) {
    auto* label = Make<TLabel>(this, name, parent);
    label->SetTransparent(true);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

void TfrmAbout::SetTexts(const QString& description, const QString& version, const QString& customInfo,
                         const QString& eMail) {
    m_description = description;
    m_version = version;
    m_customInfo = customInfo;
    m_eMail = eMail;
}

void TfrmAbout::FormCreate(TObject*) {
    UpdateMemory();
    FillDatabases();
    if (lstDatabases->Count() == 0) {
        lblBancoDados->SetVisible(false);
        lstDatabases->SetVisible(false);
        SetClientHeight(ClientHeight() - DatabaseListHeight);
    }
}

void TfrmAbout::FillDatabases() {}

void TfrmAbout::UpdateMemory() {
    const MemoryStatus memory = MemoryStatus::Current();
    lblMemInUse->SetCaption(Kilobytes(memory.TotalPhysical - memory.AvailablePhysical));
    lblMemTotal->SetCaption(Kilobytes(memory.TotalPhysical));
}

void TfrmAbout::FormShow(TObject*) {
    lblSecretaria->SetCaption(AuthorityName);
    lblSigla->SetCaption(SystemAuthorityAcronym());
    mmSysInfo->SetText(m_description + QStringLiteral("\nVersão ") + m_version + QLatin1Char('\n') +
                       m_customInfo);
    lblEmail->SetCaption(m_eMail);
}

void TfrmAbout::lblLinkClick(TObject*) {
    QDesktopServices::openUrl(QUrl(lblLink->Caption()));
}

void TfrmAbout::lblEmailClick(TObject*) {
    QDesktopServices::openUrl(
        QUrl(QStringLiteral("mailto:") + lblEmail->Caption() + QStringLiteral("?Subject=Informações")));
}

void TfrmAbout::pnBotoesDblClick(TObject*) {
    tmrUpdate->SetEnabled(!tmrUpdate->Enabled());
}

void TfrmAbout::tmrUpdateTimer(TObject*) {
    UpdateMemory();
}
