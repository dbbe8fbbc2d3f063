// Renders a sample register window (toolbar of speed buttons, grid, status
// bar) to a PNG under the build folder, for a person to look at.
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TFieldDefs.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"

#include <QDir>
#include <QPainter>
#include <QTableView>
#include <gtest/gtest.h>

namespace {
QPixmap Glyph(const QColor& color, const QString& mark) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setBrush(color);
    painter.setPen(color.darker());
    painter.drawRoundedRect(1, 1, 14, 14, 3, 3);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, mark);
    return picture;
}
} // namespace

TEST(ScreenshotTest, RegisterWindowWithToolbarGridAndStatusBar) {
    TForm form(nullptr);
    form.SetName("frmCadContribuintes");
    form.SetCaption("Contribuintes");
    form.SetBounds(0, 0, 560, 300);

    auto* images = new TImageList(&form);
    const std::vector<std::pair<QString, QColor>> buttons = {
        {"&Incluir", QColor(0, 128, 0)},   {"&Alterar", QColor(0, 64, 160)},
        {"&Excluir", QColor(170, 0, 0)},   {"&Confirmar", QColor(0, 128, 128)},
        {"Ca&ncelar", QColor(128, 64, 0)}, {"&Sair", QColor(90, 90, 90)}};
    for (const auto& [caption, color] : buttons)
        images->Add(Glyph(color, caption.mid(caption.indexOf('&') + 1, 1)));

    auto* tbNav = new TPanel(&form, &form);
    tbNav->SetName("tbNav");
    tbNav->SetAlign(TAlign::alTop);
    tbNav->SetHeight(43);
    tbNav->SetBevelOuter(TBevelCut::bvNone);
    int left = 2;
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        auto* button = new TSpeedButton(&form, tbNav);
        button->SetFlat(true);
        button->SetLayout(TButtonLayout::blGlyphTop);
        button->SetCaption(buttons[static_cast<std::size_t>(i)].first);
        button->SetGlyph(images->GetBitmap(i));
        if (i == 3 || i == 5)
            left += 8;
        button->SetBounds(left, 2, 62, 39);
        left += 62;
    }

    auto* cds = new TClientDataSet(&form);
    cds->FieldDefs().Add("NU_INSCRICAO", ftInteger);
    cds->FieldDefs().Add("NO_RAZAO", ftString, 40);
    cds->FieldDefs().Add("NO_MUNICIPIO", ftString, 30);
    cds->CreateDataSet();
    const std::vector<std::tuple<int, QString, QString>> rows = {
        {1234567, "Padaria Estrela Ltda", "Niterói"},
        {2345678, "Mercado Central S/A", "Rio de Janeiro"},
        {3456789, "Oficina Rápida ME", "Petrópolis"}};
    for (const auto& [inscricao, razao, municipio] : rows) {
        cds->Append();
        cds->FieldByName("NU_INSCRICAO")->SetAsInteger(inscricao);
        cds->FieldByName("NO_RAZAO")->SetAsString(razao);
        cds->FieldByName("NO_MUNICIPIO")->SetAsString(municipio);
        cds->Post();
    }
    cds->First();
    cds->Next();
    auto* ds = new TDataSource(&form);
    ds->SetDataSet(cds);

    auto* sbApp = new TStatusBar(&form, &form);
    sbApp->SetName("sbApp");
    sbApp->AddPanel(90)->SetText("Consultando");
    sbApp->AddPanel(200)->SetText("3 contribuintes");

    auto* grid = new TDBGrid(&form, &form);
    grid->SetName("dbgCadastro");
    grid->SetAlign(TAlign::alClient);
    grid->SetOptions(grid->Options() | dgRowSelect);
    grid->SetDataSource(ds);
    grid->Columns().Items(0)->SetTitleCaption("Inscrição");
    grid->Columns().Items(1)->SetTitleCaption("Razão Social");
    grid->Columns().Items(2)->SetTitleCaption("Município");
    form.Show();

    // The layout the aligned controls asked for.
    EXPECT_EQ(tbNav->Top(), 0);
    EXPECT_EQ(tbNav->Width(), form.ClientWidth());
    EXPECT_EQ(sbApp->Top() + sbApp->Height(), form.ClientHeight());
    EXPECT_EQ(grid->Top(), 43);
    EXPECT_EQ(grid->Top() + grid->Height(), sbApp->Top());

    const QString folder = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + "/register-window.png";
    const QImage image = form.Widget()->grab().toImage();
    ASSERT_TRUE(image.save(file));
    EXPECT_EQ(image.size(), form.Widget()->size());
}
