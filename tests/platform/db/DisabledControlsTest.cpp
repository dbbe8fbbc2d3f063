#include "platform/db/DisabledControls.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"

#include <gtest/gtest.h>

TEST(DisabledControlsTest, TheControlsComeBackWhateverEndsTheWork) {
    TClientDataSet cds;
    cds.FieldDefs().Add(QStringLiteral("CODE"), ftInteger);
    cds.CreateDataSet();
    for (int code : {1, 2}) {
        cds.Append();
        cds.FieldByName("CODE")->SetAsInteger(code);
        cds.Post();
    }
    TDataSource source;
    source.SetDataSet(&cds);
    int changes = 0;
    source.OnDataChange = TDataChangeEvent::fromFunction([&](TObject*, TField*) { ++changes; });

    try {
        DisabledControls still(cds);
        EXPECT_TRUE(cds.ControlsDisabled());
        cds.First();
        cds.Next();
        EXPECT_EQ(changes, 0) << "no control follows the moves";
        throw EAbort();
    } catch (const EAbort&) {
    }
    EXPECT_FALSE(cds.ControlsDisabled());
    EXPECT_EQ(changes, 1) << "the controls catch up once";

    {
        DisabledControls outer(cds);
        { DisabledControls inner(cds); }
        EXPECT_TRUE(cds.ControlsDisabled()) << "nested scopes count";
    }
    EXPECT_FALSE(cds.ControlsDisabled());
}
