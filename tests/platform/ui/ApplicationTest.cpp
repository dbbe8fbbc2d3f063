#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"

#include <gtest/gtest.h>

namespace {
// Resets the application's state the tests below change.
class ApplicationTest : public testing::Test {
protected:
    void TearDown() override {
        while (Application->ComponentCount() > 1) // the screen stays
            delete Application->Components(Application->ComponentCount() - 1);
        Application->ProcessMessages();
    }
};
} // namespace

TEST_F(ApplicationTest, TheFirstFormCreatedIsTheMainForm) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    int created = 0;
    class Counted : public TForm {
    public:
        Counted(TComponent* owner, int& count) : TForm(owner) {
            OnCreate = TNotifyEvent::fromFunction([&count](TObject*) { ++count; });
        }
    };
    auto* first = Application->CreateForm<Counted>(created);
    auto* second = Application->CreateForm<Counted>(created);
    EXPECT_EQ(created, 2);
    EXPECT_EQ(Application->MainForm(), first);
    EXPECT_EQ(second->Owner(), Application);
    delete first;
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(ApplicationTest, AFailingOnCreateLeavesNoForm) {
    class Failing : public TForm {
    public:
        explicit Failing(TComponent* owner) : TForm(owner) {
            SetName("frmFalha");
            OnCreate =
                TNotifyEvent::fromFunction([](TObject*) { throw Exception("O sistema será encerrado..."); });
        }
    };
    EXPECT_THROW(Application->CreateForm<Failing>(), Exception);
    EXPECT_EQ(Application->FindComponent("frmFalha"), nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);
}

// Ending the program cannot be undone, so these run in a child process.
namespace {
// Runs `look` on the modal window the prompter opens, once it shows.
} // namespace
