// Document windows inside the frame: bounds, border icons and border shape.

#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"

#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

class MdiChildTest : public testing::Test {
protected:
    void SetUp() override {
        frame = Application->CreateForm<TForm>();
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        frame->SetBounds(0, 0, 900, 700);
        frame->Show();
    }
    void TearDown() override {
        delete frame;
        Application->ProcessMessages();
    }
    TForm* Child(TFormBorderStyle border, TBorderIcons icons) {
        auto* child = new TForm(frame);
        child->SetFormStyle(TFormStyle::fsMDIChild);
        child->SetPosition(TPosition::poDesigned);
        child->SetBorderStyle(border);
        child->SetBorderIcons(icons);
        child->SetBounds(30, 40, 300, 200);
        child->Show();
        return child;
    }
    TForm* frame = nullptr;
};

TEST_F(MdiChildTest, BoundsMoveAndSizeTheSubWindow) {
    TForm* child = Child(TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize);
    ASSERT_NE(child->MdiSubWindow(), nullptr);
    // Placed where it was designed.
    EXPECT_EQ(child->MdiSubWindow()->pos(), QPoint(30, 40));
    child->SetBounds(50, 60, 420, 310);
    EXPECT_EQ(child->MdiSubWindow()->geometry(), QRect(50, 60, 420, 310));
    EXPECT_EQ(child->Left(), 50);
    EXPECT_EQ(child->Top(), 60);
    EXPECT_EQ(child->Width(), 420);
    EXPECT_EQ(child->Height(), 310);
    child->SetLeft(10);
    EXPECT_EQ(child->MdiSubWindow()->x(), 10);
    // The client is the frame less its caption and borders.
    EXPECT_LT(child->ClientWidth(), 420);
    child->SetClientWidth(500);
    EXPECT_EQ(child->ClientWidth(), 500);
    EXPECT_GT(child->Width(), 500);
}

TEST_F(MdiChildTest, BorderIconsAndASingleBorderShapeTheSubWindow) {
    TForm* child = Child(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize);
    const Qt::WindowFlags flags = child->MdiSubWindow()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    // A single border does not resize, but code still sizes it.
    EXPECT_EQ(child->MdiSubWindow()->minimumSize(), child->MdiSubWindow()->maximumSize());
    child->SetBounds(0, 0, 350, 250);
    EXPECT_EQ(child->MdiSubWindow()->size(), QSize(350, 250));
    child->SetBorderIcons(biSystemMenu | biMaximize);
    EXPECT_FALSE(child->MdiSubWindow()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(child->MdiSubWindow()->windowFlags() & Qt::WindowMaximizeButtonHint);
}

} // namespace
