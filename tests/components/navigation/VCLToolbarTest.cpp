#include "components/navigation/TVCLTbButton.h"
#include "components/navigation/TVCLToolbar.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TSpeedButton.h"

#include "tests/support/QStringPrinter.h"

#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

namespace {
class VCLToolbarTest : public testing::Test {
protected:
    VCLToolbarTest() : form(new TForm(nullptr)), toolbar(new TVCLToolbar(form, form)) {}
    ~VCLToolbarTest() override { delete form; }

    QPixmap Square(Qt::GlobalColor color, int size) {
        QPixmap picture(size, size);
        picture.fill(color);
        return picture;
    }

    TForm* form;
    TVCLToolbar* toolbar;
};

TEST_F(VCLToolbarTest, ANewToolbarHoldsOneRowOfDefaultButtons) {
    EXPECT_EQ(toolbar->Height(), 26);
    EXPECT_EQ(toolbar->BorderWidth(), 2);
    TVCLTbButton* item = toolbar->TbButtons().Add();
    EXPECT_EQ(item->SpeedButton()->Width(), 23);
    EXPECT_EQ(item->SpeedButton()->Height(), 22);
    EXPECT_TRUE(item->SpeedButton()->Flat());
    EXPECT_EQ(item->SpeedButton()->Parent(), toolbar);
}

TEST_F(VCLToolbarTest, ButtonsFollowTheHeightOfThePanel) {
    TVCLTbButton* item = toolbar->TbButtons().Add();
    toolbar->SetButtonHeight(39);
    EXPECT_EQ(toolbar->Height(), 43);
    EXPECT_EQ(item->SpeedButton()->Height(), 39);
    toolbar->SetHeight(50);
    EXPECT_EQ(toolbar->ButtonHeight(), 46);
    EXPECT_EQ(item->SpeedButton()->Height(), 46);
    toolbar->SetBorderWidth(4);
    EXPECT_EQ(toolbar->Height(), 54);
    EXPECT_EQ(item->SpeedButton()->Top(), 4);
}

TEST_F(VCLToolbarTest, ButtonsSitLeftToRightAfterTheirOffsets) {
    toolbar->SetButtonWidth(52);
    TVCLTbButton* a = toolbar->TbButtons().Add();
    TVCLTbButton* b = toolbar->TbButtons().Add();
    TVCLTbButton* c = toolbar->TbButtons().Add();
    c->SetOffSet(10);
    EXPECT_EQ(a->SpeedButton()->Left(), 2);
    EXPECT_EQ(b->SpeedButton()->Left(), 54);
    EXPECT_EQ(c->SpeedButton()->Left(), 116);
    EXPECT_EQ(toolbar->ButtonsWidth(), 4 + 52 + 52 + 62);

    TVCLTbButton* hidden = toolbar->TbButtons().Add();
    hidden->SetOffSet(30);
    hidden->SetVisible(false);
    EXPECT_EQ(toolbar->ButtonsWidth(), 170);
    b->SetVisible(false);
    EXPECT_EQ(c->SpeedButton()->Left(), 64);
    EXPECT_EQ(toolbar->ButtonsWidth(), 4 + 52 + 62);
}

TEST_F(VCLToolbarTest, ButtonSizeFromImagesAndCaptions) {
    toolbar->TbButtons().Add()->SetCaption(QString());
    toolbar->SetShowCaptions(false);
    EXPECT_EQ(toolbar->ButtonHeight(), 22); // no images, no captions: unchanged
    EXPECT_EQ(toolbar->ButtonWidth(), 23);

    TImageList images(form);
    images.SetSize(32, 32);
    toolbar->SetImages(&images);
    toolbar->SetShowCaptions(true); // every caption empty
    EXPECT_EQ(toolbar->ButtonHeight(), 38);
    EXPECT_EQ(toolbar->ButtonWidth(), 39);
    EXPECT_EQ(toolbar->Height(), 42);

    toolbar->TbButtons().Items(0)->SetCaption(QStringLiteral("&Incluir um registro longo"));
    toolbar->SetShowCaptions(true);
    EXPECT_GT(toolbar->ButtonWidth(), 39);
    EXPECT_GT(toolbar->ButtonHeight(), 38);
}

TEST_F(VCLToolbarTest, ActionsGiveCaptionImageAndRunBeforeTheToolbarEvent) {
    TActionList actions(form);
    TAction action(form);
    action.SetActionList(&actions);
    action.SetCaption(QStringLiteral("&Sair"));
    action.SetImageIndex(3);
    QStringList calls;
    action.OnExecute = TNotifyEvent::fromFunction([&](TObject*) { calls << "action"; });
    toolbar->OnButtonClick = TButtonClickEvent::fromFunction([&](TObject* sender, TVCLTbButton* button) {
        EXPECT_EQ(sender, toolbar);
        calls << QStringLiteral("toolbar %1").arg(button->Index());
    });

    TVCLTbButton* item = toolbar->TbButtons().Add();
    item->SetAction(&action);
    EXPECT_EQ(item->Caption(), QStringLiteral("&Sair"));
    EXPECT_EQ(item->ImageIndex(), 3);
    EXPECT_EQ(item->SpeedButton()->Caption(), QString()); // captions are off
    EXPECT_EQ(item->GetDisplayName(), QStringLiteral("&Sair"));

    action.SetCaption(QStringLiteral("&Fechar"));
    action.SetEnabled(false);
    EXPECT_EQ(item->Caption(), QStringLiteral("&Fechar"));
    EXPECT_FALSE(item->SpeedButton()->Enabled());
    action.SetEnabled(true);
    item->SpeedButton()->Click();
    EXPECT_EQ(calls, (QStringList{"action", "toolbar 0"}));

    action.SetVisible(false);
    EXPECT_FALSE(item->Visible());
    EXPECT_EQ(toolbar->ButtonsWidth(), 4);
}

TEST_F(VCLToolbarTest, GlyphsComeFromTheImageListAndGoWithIt) {
    auto* images = new TImageList(form);
    images->SetSize(16, 16);
    images->Add(Square(Qt::red, 16));
    toolbar->SetImages(images);
    TVCLTbButton* item = toolbar->TbButtons().Add();
    EXPECT_TRUE(item->SpeedButton()->Glyph().isNull()); // index -1
    item->SetImageIndex(0);
    ASSERT_FALSE(item->SpeedButton()->Glyph().isNull());
    EXPECT_EQ(item->SpeedButton()->Glyph().toImage().pixelColor(8, 8), QColor(Qt::red));
    images->Replace(0, Square(Qt::blue, 16));
    EXPECT_EQ(item->SpeedButton()->Glyph().toImage().pixelColor(8, 8), QColor(Qt::blue));
    delete images;
    EXPECT_EQ(toolbar->Images(), nullptr);
    EXPECT_TRUE(item->SpeedButton()->Glyph().isNull());
}

TEST_F(VCLToolbarTest, DisplayNamesAndCopies) {
    TVCLTbButton* a = toolbar->TbButtons().Add();
    EXPECT_EQ(a->GetDisplayName(), QStringLiteral("TVCLTbButton0"));
    a->SetCaption(QStringLiteral("Um"));
    a->SetOffSet(8);
    a->SetHint(QStringLiteral("dica"));
    EXPECT_EQ(a->GetDisplayName(), QStringLiteral("Um"));

    TVCLToolbar other(form, form);
    other.SetTbButtons(toolbar->TbButtons());
    ASSERT_EQ(other.TbButtons().Count(), 1);
    EXPECT_EQ(other.TbButtons().Items(0)->Caption(), QStringLiteral("Um"));
    EXPECT_EQ(other.TbButtons().Items(0)->OffSet(), 8);
    EXPECT_EQ(other.TbButtons().Items(0)->Hint(), QStringLiteral("dica"));
    EXPECT_EQ(other.TbButtons().Items(0)->SpeedButton()->Parent(), &other);
}

TEST_F(VCLToolbarTest, EtchedLinesAlongTheChosenEdges) {
    toolbar->SetBounds(0, 0, 100, 26);
    toolbar->SetEdgeBorders(ebBottom);
    const QPalette& palette = toolbar->Widget()->palette();
    QImage image = toolbar->Widget()->grab().toImage();
    EXPECT_EQ(image.pixel(50, 24), palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(50, 25), palette.color(QPalette::Light).rgb());
    EXPECT_NE(image.pixel(50, 0), palette.color(QPalette::Dark).rgb());

    toolbar->SetEdgeBorders(ebTop);
    image = toolbar->Widget()->grab().toImage();
    EXPECT_EQ(image.pixel(50, 0), palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(50, 1), palette.color(QPalette::Light).rgb());
    EXPECT_NE(image.pixel(50, 24), palette.color(QPalette::Dark).rgb());
}

TEST_F(VCLToolbarTest, LoadingStoresAndLoadedAppliesKeepingStoredSizes) {
    TVCLToolbar loading(form, form);
    loading.BeginLoading();
    TVCLTbButton* item = loading.TbButtons().Add();
    loading.SetShowCaptions(true);
    item->SetCaption(QStringLiteral("Texto"));
    loading.SetFlat(false);
    loading.SetButtonWidth(52);
    EXPECT_TRUE(item->SpeedButton()->Flat());
    EXPECT_EQ(item->SpeedButton()->Caption(), QString());
    loading.EndLoading();
    EXPECT_FALSE(item->SpeedButton()->Flat());
    EXPECT_EQ(item->SpeedButton()->Caption(), QStringLiteral("Texto"));
    EXPECT_EQ(loading.ButtonWidth(), 52);
    EXPECT_EQ(item->SpeedButton()->Width(), 52);
}
} // namespace
