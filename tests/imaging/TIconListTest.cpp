// Icon lists: ownership, batches of changes, the stored form and its
// damaged variants.

#include "imaging/TIconList.h"
#include "platform/graphics/GraphicsErrors.h"
#include "tests/imaging/ImageFiles.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<TIcon> MakeIcon(QRgb colour, int size = 16) {
    auto icon = std::make_unique<TIcon>();
    icon->LoadFromData(ImageFiles::IconFile({{ImageFiles::Square(size, colour), 32, {}}}));
    return icon;
}

QByteArray Save(const TIconList& list) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    list.SaveToStream(buffer);
    return data;
}

void LoadInto(TIconList& list, QByteArray data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    list.LoadFromStream(buffer);
}

class TIconListTest : public ::testing::Test {
protected:
    TIconListTest() {
        list.OnChange = TNotifyEvent::fromFunction([this](TObject* sender) {
            EXPECT_EQ(sender, &list);
            ++changes;
        });
    }

    TIconList list;
    int changes = 0;
};

TEST_F(TIconListTest, ThreeIconsAndAnEmptyEntrySurviveSavingAndLoading) {
    list.Add(MakeIcon(qRgb(255, 0, 0)).get());
    list.Add(nullptr);
    list.Add(MakeIcon(qRgb(0, 255, 0), 24).get());
    list.Put(1, nullptr);
    const QByteArray stored = Save(list);
    EXPECT_EQ(qFromLittleEndian<qint32>(stored.constData()), 3);

    TIconList back;
    LoadInto(back, stored);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.Icons(0)->Image().pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(back.Icons(1), nullptr);
    EXPECT_EQ(back.Icons(2)->Width(), 24);
    EXPECT_EQ(Save(back), stored);
}

TEST_F(TIconListTest, PutAtTheEndAppends) {
    list.Put(0, MakeIcon(qRgb(1, 2, 3)).get());
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(changes, 1);
    list.Put(0, MakeIcon(qRgb(4, 5, 6)).get());
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Icons(0)->Image().pixel(2, 2), qRgb(4, 5, 6));
}

TEST_F(TIconListTest, ABatchReportsOneChange) {
    const auto icon = MakeIcon(qRgb(9, 9, 9));
    list.BeginUpdate();
    for (int i = 0; i < 10; ++i)
        list.Add(icon.get());
    EXPECT_EQ(changes, 0);
    list.EndUpdate();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.Count(), 10);
    list.Clear();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(TIconListTest, ChangingAnIconInTheListChangesTheList) {
    list.Add(MakeIcon(qRgb(9, 9, 9)).get());
    changes = 0;
    list.Icons(0)->Assign(MakeIcon(qRgb(1, 1, 1)).get());
    EXPECT_EQ(changes, 1);
    // An icon that left the list no longer reaches it.
    TIcon* kept = list.Icons(0);
    list.Exchange(0, 0);
    EXPECT_EQ(list.IndexOf(kept), 0);
    EXPECT_EQ(list.IndexOf(nullptr), -1);
}

TEST_F(TIconListTest, OrderOperations) {
    for (QRgb colour : {qRgb(1, 0, 0), qRgb(2, 0, 0), qRgb(3, 0, 0)})
        list.Add(MakeIcon(colour).get());
    list.Move(0, 2);
    list.Exchange(0, 1);
    list.Insert(1, MakeIcon(qRgb(4, 0, 0)).get());
    list.Delete(0);
    QList<int> reds;
    for (int i = 0; i < list.Count(); ++i)
        reds.append(qRed(list.Icons(i)->Image().pixel(3, 3)));
    EXPECT_EQ(reds, (QList<int>{4, 2, 1}));
    EXPECT_THROW(list.Delete(7), Exception);
}

TEST_F(TIconListTest, AssignFromListsAndIcons) {
    list.Add(MakeIcon(qRgb(1, 0, 0)).get());
    list.Add(MakeIcon(qRgb(2, 0, 0)).get());
    TIconList copy;
    copy.Assign(&list);
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_NE(copy.Icons(0), list.Icons(0));
    EXPECT_EQ(copy.Icons(1)->Data(), list.Icons(1)->Data());
    copy.Assign(MakeIcon(qRgb(3, 0, 0)).get());
    EXPECT_EQ(copy.Count(), 1);
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Count(), 0);
}

TEST_F(TIconListTest, TheStoredPropertyIsWrittenWhenItDiffersFromTheInheritedOne) {
    EXPECT_FALSE(list.ShouldWriteIcons(nullptr));
    list.Add(MakeIcon(qRgb(1, 0, 0)).get());
    EXPECT_TRUE(list.ShouldWriteIcons(nullptr));
    TIconList ancestor;
    ancestor.Assign(&list);
    // Entries are compared as objects: a copy is a different icon.
    EXPECT_TRUE(list.ShouldWriteIcons(&ancestor));
    EXPECT_FALSE(list.ShouldWriteIcons(&list));
}

TEST_F(TIconListTest, DamagedStoredFormsAreRefused) {
    QByteArray huge("\xFF\xFF\xFF\x7F", 4);
    EXPECT_THROW(LoadInto(list, huge), EReadError);
    QByteArray negative("\xFF\xFF\xFF\xFF", 4);
    EXPECT_THROW(LoadInto(list, negative), EReadError);
    QByteArray oversized("\x01\x00\x00\x00\x00\x10\x00\x00"
                         "abc",
                         11);
    EXPECT_THROW(LoadInto(list, oversized), EReadError);
    QByteArray notIcon("\x01\x00\x00\x00\x04\x00\x00\x00"
                       "abcd",
                       12);
    EXPECT_THROW(LoadInto(list, notIcon), EInvalidGraphic);
    EXPECT_THROW(LoadInto(list, QByteArray("\x01\x00", 2)), EReadError);
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
