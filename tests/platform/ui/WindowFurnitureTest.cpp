// The furniture every window shares: a grid's columns from a table, and
// the busy cursor held for a block however the block is left.

#include "platform/ui/GridColumn.h"
#include "platform/ui/TBusyCursor.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBGridColumns.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(WindowFurnitureTest, GridColumnsComeInOrderAndWithoutACaptionTheFieldNamesThem) {
    TForm form{nullptr};
    auto* grid = new TDBGrid(&form, &form);
    AddColumns(grid, {{"NU_INSCRICAO", "Inscrição", 72}, {"Codigo", nullptr, 45}});
    ASSERT_EQ(grid->Columns().Count(), 2);
    struct Esperada {
        const char* campo;
        const char* titulo;
        int largura;
    };
    const Esperada esperadas[] = {{"NU_INSCRICAO", "Inscrição", 72}, {"Codigo", "Codigo", 45}};
    for (int i = 0; i < 2; ++i) {
        const TColumn* column = grid->Columns().Items(i);
        EXPECT_EQ(column->FieldName(), QString::fromUtf8(esperadas[i].campo));
        EXPECT_EQ(column->TitleCaption(), QString::fromUtf8(esperadas[i].titulo));
        EXPECT_EQ(column->Width(), esperadas[i].largura);
    }
}

TEST(WindowFurnitureTest, TheBusyCursorLastsUntilTheBlockIsLeftEvenByAnException) {
    ASSERT_NE(Screen, nullptr);
    for (const TCursor cursor : {crHourGlass, crSQLWait}) {
        try {
            TBusyCursor busy(cursor);
            EXPECT_EQ(Screen->Cursor(), cursor);
            throw std::runtime_error("falhou");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(Screen->Cursor(), crDefault);
    }
}
