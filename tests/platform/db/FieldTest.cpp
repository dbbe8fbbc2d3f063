// Field values, conversions, texts and the order of OnSetText, OnValidate and
// OnChange.

#include "tests/platform/db/MemoryDataSet.h"

#include "platform/db/TBCDField.h"
#include "platform/db/TCurrencyField.h"
#include "platform/db/TDateField.h"
#include "platform/db/TDateTimeField.h"
#include "platform/db/TFloatField.h"
#include "platform/db/TIntegerField.h"
#include "platform/db/TLargeintField.h"
#include "platform/db/TMemoField.h"
#include "platform/db/TSmallintField.h"
#include "platform/db/TStringField.h"

#include <gtest/gtest.h>

namespace {

class FieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        ds.SetColumns({{"NAME", ftString, 10},
                       {"QTD", ftInteger},
                       {"SMALL", ftSmallint},
                       {"BIG", ftLargeint},
                       {"VL", ftFloat},
                       {"RATE", ftFloat},
                       {"BCD", ftBCD},
                       {"DT", ftDate},
                       {"TS", ftDateTime},
                       {"OBS", ftMemo},
                       {"FLAG", ftString, 1}});
        ds.AddRow({QStringLiteral("start"), 1, 2, 3, QVariant::fromValue(Currency::fromRaw(12345)), 0.5,
                   QVariant::fromValue(Currency::fromRaw(10000)), QDate(2024, 5, 1),
                   QDateTime(QDate(2024, 5, 1), QTime(13, 45, 10)), QStringLiteral("memo"),
                   QStringLiteral("N")});
        name = make<TStringField>("NAME");
        qtd = make<TIntegerField>("QTD");
        small = make<TSmallintField>("SMALL");
        big = make<TLargeintField>("BIG");
        vl = make<TFloatField>("VL");
        vl->SetCurrency(true);
        vl->SetDisplayFormat(QStringLiteral("#,##0.00"));
        rate = make<TFloatField>("RATE");
        bcd = make<TBCDField>("BCD");
        dt = make<TDateField>("DT");
        ts = make<TDateTimeField>("TS");
        obs = make<TMemoField>("OBS");
        flag = make<TStringField>("FLAG");
        ds.Open();
        ds.Edit();
    }

    template <typename F> F* make(const char* fieldName) {
        auto* field = new F(&ds);
        field->SetFieldName(QString::fromLatin1(fieldName));
        field->SetDataSet(&ds);
        return field;
    }

    MemoryDataSet ds;
    TStringField* name = nullptr;
    TIntegerField* qtd = nullptr;
    TSmallintField* small = nullptr;
    TLargeintField* big = nullptr;
    TFloatField* vl = nullptr;
    TFloatField* rate = nullptr;
    TBCDField* bcd = nullptr;
    TDateField* dt = nullptr;
    TDateTimeField* ts = nullptr;
    TMemoField* obs = nullptr;
    TStringField* flag = nullptr;
};

TEST_F(FieldTest, MoneyStaysExactThroughTheField) {
    EXPECT_EQ(vl->AsCurrency(), Currency::fromRaw(12345));
    EXPECT_DOUBLE_EQ(vl->AsFloat(), 1.2345);
    // Ten additions of 0,10 are exactly 1 in Currency; in binary floating
    // point they are not.
    vl->SetAsCurrency(Currency());
    for (int i = 0; i < 10; ++i)
        vl->SetAsCurrency(vl->AsCurrency() + *Currency::parse(u"0.1"));
    EXPECT_EQ(vl->AsCurrency(), Currency::fromUnits(1));
    vl->SetAsFloat(0.1 + 0.2);
    EXPECT_EQ(vl->AsCurrency(), *Currency::parse(u"0.3"));
    vl->SetText(QStringLiteral("1.234.567,8912"));
    EXPECT_EQ(vl->AsCurrency().raw(), 12345678912LL);
    ds.Post();
    EXPECT_EQ(vl->AsCurrency().raw(), 12345678912LL);
    EXPECT_EQ(vl->DisplayText(), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(bcd->AsCurrency(), Currency::fromUnits(1));
    EXPECT_EQ(bcd->AsString(), QStringLiteral("1"));
}

TEST_F(FieldTest, NumberTextsUseTheProgramFormats) {
    rate->SetAsFloat(1234.5);
    EXPECT_EQ(rate->AsString(), QStringLiteral("1234,5"));
    EXPECT_EQ(rate->DisplayText(), QStringLiteral("1234,5"));
    rate->SetDisplayFormat(QStringLiteral("#,##0.00"));
    EXPECT_EQ(rate->DisplayText(), QStringLiteral("1.234,50"));
    rate->SetEditFormat(QStringLiteral("0.0000"));
    EXPECT_EQ(rate->Text(), QStringLiteral("1234,5000"));
    rate->SetText(QStringLiteral("2,25"));
    EXPECT_DOUBLE_EQ(rate->AsFloat(), 2.25);
    // A money field without a format still shows two decimals.
    TCurrencyField plain;
    EXPECT_TRUE(plain.Currency());
    EXPECT_EQ(plain.DataType(), ftCurrency);
    qtd->SetDisplayFormat(QStringLiteral("###,###"));
    qtd->SetAsInteger(1234567);
    EXPECT_EQ(qtd->DisplayText(), QStringLiteral("1.234.567"));
    EXPECT_EQ(qtd->AsString(), QStringLiteral("1234567"));
    EXPECT_EQ(qtd->Alignment(), taRightJustify);
    EXPECT_EQ(name->Alignment(), taLeftJustify);
}

TEST_F(FieldTest, ConversionsAndRanges) {
    qtd->SetAsString(QStringLiteral(" 42 "));
    EXPECT_EQ(qtd->AsInteger(), 42);
    EXPECT_THROW(qtd->SetAsString(QStringLiteral("4x2")), EConvertError);
    EXPECT_EQ(qtd->AsInteger(), 42);
    qtd->SetAsFloat(2.5);
    EXPECT_EQ(qtd->AsInteger(), 3);
    EXPECT_THROW(small->SetAsInteger(40000), EDatabaseError);
    EXPECT_EQ(small->AsInteger(), 2);
    big->SetAsLargeInt(9000000000LL);
    EXPECT_EQ(big->AsLargeInt(), 9000000000LL);
    EXPECT_THROW(big->AsInteger(), EDatabaseError);
    qtd->SetAsString(QString());
    EXPECT_TRUE(qtd->IsNull());
    EXPECT_EQ(qtd->AsInteger(), 0);
    EXPECT_EQ(qtd->AsString(), QString());
    rate->SetAsFloat(2.5);
    EXPECT_EQ(rate->AsInteger(), 3);
    rate->SetAsFloat(-2.5);
    EXPECT_EQ(rate->AsInteger(), -3);
    bcd->SetAsCurrency(*Currency::parse(u"1.5"));
    EXPECT_EQ(bcd->AsInteger(), 2);
    name->SetAsInteger(7);
    EXPECT_EQ(name->AsString(), QStringLiteral("7"));
    EXPECT_EQ(name->AsInteger(), 7);
}

TEST_F(FieldTest, StringsAreCutToSizeAndEmptyIsNull) {
    name->SetAsString(QStringLiteral("0123456789abc"));
    EXPECT_EQ(name->AsString(), QStringLiteral("0123456789"));
    EXPECT_EQ(name->Size(), 10);
    name->SetAsString(QString());
    EXPECT_TRUE(name->IsNull());
    obs->SetAsString(QString(500, QLatin1Char('x')));
    EXPECT_EQ(obs->AsString().size(), 500);
    obs->Clear();
    EXPECT_TRUE(obs->IsNull());
}

TEST_F(FieldTest, DatesUseDayMonthYear) {
    EXPECT_EQ(dt->AsString(), QStringLiteral("01/05/2024"));
    EXPECT_EQ(ts->AsString(), QStringLiteral("01/05/2024 13:45:10"));
    dt->SetText(QStringLiteral("31/12/2023"));
    EXPECT_EQ(dt->Value().toDate(), QDate(2023, 12, 31));
    EXPECT_THROW(dt->SetText(QStringLiteral("31/02/2023")), EDatabaseError);
    EXPECT_EQ(dt->Value().toDate(), QDate(2023, 12, 31));
    // A masked date with nothing typed is an empty date.
    dt->SetText(QStringLiteral("  /  /    "));
    EXPECT_TRUE(dt->IsNull());
    ts->SetAsDateTime(QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
    EXPECT_EQ(ts->AsString(), QStringLiteral("02/01/2024"));
    ts->SetDisplayFormat(QStringLiteral("dd/mm/yyyy hh:nn"));
    EXPECT_EQ(ts->DisplayText(), QStringLiteral("02/01/2024 00:00"));
    dt->SetAsDateTime(QDateTime(QDate(2020, 2, 29), QTime(10, 0)));
    EXPECT_EQ(dt->Value().toDate(), QDate(2020, 2, 29));
}

TEST_F(FieldTest, SetTextValidateStoreChangeOrder) {
    QStringList log;
    name->OnSetText = TFieldSetTextEvent::fromFunction([&](TField* field, const QString& text) {
        log << "SetText:" + text;
        field->SetAsString(text.trimmed());
    });
    name->OnValidate = TFieldNotifyEvent::fromFunction([&](TField* field) {
        log << "Validate:" + field->AsString() + " old-stored:" + ds.CurrentRecord()->values[0].toString();
    });
    name->OnChange =
        TFieldNotifyEvent::fromFunction([&](TField* field) { log << "Change:" + field->AsString(); });
    name->SetText(QStringLiteral("  abc "));
    EXPECT_EQ(log, QStringList({"SetText:  abc ", "Validate:abc old-stored:start", "Change:abc"}));
    EXPECT_EQ(name->AsString(), QStringLiteral("abc"));
    EXPECT_TRUE(ds.Modified());
}

TEST_F(FieldTest, TypedTextThatCannotBeStoredIsRefusedInPortugueseNamingTheField) {
    bcd->SetDisplayLabel(QStringLiteral("Valor Saldo Anterior"));
    dt->SetDisplayLabel(QStringLiteral("Data de Encerramento"));
    name->SetDisplayLabel(QStringLiteral("Razão Social"));
    obs->SetDisplayLabel(QStringLiteral("Observação"));
    struct Case {
        TField* field;
        QString typed;
        QString message;
    };
    const std::vector<Case> cases = {
        {bcd, "0,008000,00", "\"0,008000,00\" não é um valor válido para o campo \"Valor Saldo Anterior\"."},
        {qtd, "12a", "\"12a\" não é um valor válido para o campo \"QTD\"."},
        {dt, "31/02/2005", "\"31/02/2005\" não é uma data válida para o campo \"Data de Encerramento\"."},
        {name, "Café ✓", "O caractere \"✓\" não é aceito no campo \"Razão Social\"."},
        {obs, "Nota \U0001F600", "O caractere \"\U0001F600\" não é aceito no campo \"Observação\"."},
        {name, "Rua\tA", "O caractere de controle de código 9 não é aceito no campo \"Razão Social\"."},
        {name, QString::fromLatin1("A\0B", 3),
         "O caractere de controle de código 0 não é aceito no campo \"Razão Social\"."},
        {obs, "Nota\x1a", "O caractere de controle de código 26 não é aceito no campo \"Observação\"."},
        {obs, "Nota\x1b[0m", "O caractere de controle de código 27 não é aceito no campo \"Observação\"."},
    };
    for (const Case& c : cases) {
        const QString before = c.field->AsString();
        try {
            c.field->SetText(c.typed);
            ADD_FAILURE() << c.typed.toStdString() << " was taken";
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(c.field->AsString(), before);
    }
    // Every character of Windows-1252 passes, the euro sign and accents too;
    // a memo keeps its line breaks.
    name->SetText(QStringLiteral("Ação €‰"));
    EXPECT_EQ(name->AsString(), QStringLiteral("Ação €‰"));
    obs->SetText(QStringLiteral("Linha 1\r\nLinha 2"));
    EXPECT_EQ(obs->AsString(), QStringLiteral("Linha 1\r\nLinha 2"));
}

TEST_F(FieldTest, ValidateFailureKeepsTheOldValue) {
    qtd->OnValidate = TFieldNotifyEvent::fromFunction([](TField* field) {
        if (field->AsInteger() < 0)
            throw EDatabaseError(QStringLiteral("negative"));
        if (field->AsInteger() == 0)
            Abort();
    });
    int changes = 0;
    qtd->OnChange = TFieldNotifyEvent::fromFunction([&](TField*) { ++changes; });
    EXPECT_THROW(qtd->SetAsInteger(-1), EDatabaseError);
    EXPECT_EQ(qtd->AsInteger(), 1);
    EXPECT_THROW(qtd->SetAsInteger(0), EAbort);
    EXPECT_EQ(qtd->AsInteger(), 1);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(ds.Modified());
    qtd->SetAsInteger(5);
    EXPECT_EQ(qtd->AsInteger(), 5);
    EXPECT_EQ(changes, 1);
}

TEST_F(FieldTest, ValidateMayAssignTheFieldItself) {
    // Refusing "S": set the flag back to "N" and abort.
    int validations = 0;
    flag->OnValidate = TFieldNotifyEvent::fromFunction([&](TField* field) {
        ++validations;
        if (field->AsString() == QStringLiteral("S")) {
            field->SetAsString(QStringLiteral("N"));
            Abort();
        }
    });
    ds.Post();
    ds.Edit();
    flag->SetAsString(QStringLiteral("X"));
    EXPECT_THROW(flag->SetAsString(QStringLiteral("S")), EAbort);
    EXPECT_EQ(flag->AsString(), QStringLiteral("N"));
    EXPECT_EQ(validations, 2);

    // Normalising inside OnValidate: the normalised value is what is stored.
    name->OnValidate = TFieldNotifyEvent::fromFunction(
        [](TField* field) { field->SetAsString(field->AsString().toUpper()); });
    name->SetAsString(QStringLiteral("low"));
    EXPECT_EQ(name->AsString(), QStringLiteral("LOW"));
}

TEST_F(FieldTest, AssigningNeedsEditStateAndAWritableField) {
    ds.Post();
    try {
        name->SetAsString(QStringLiteral("x"));
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Os dados não estão em edição nem em inclusão."));
    }
    ds.Edit();
    name->SetReadOnly(true);
    EXPECT_THROW(name->SetAsString(QStringLiteral("x")), EDatabaseError);
    EXPECT_EQ(name->AsString(), QStringLiteral("start"));
}

TEST_F(FieldTest, GetTextAndEditMask) {
    name->SetAsString(QStringLiteral("12345678"));
    name->SetEditMask(QStringLiteral("0000-0000;0; "));
    EXPECT_EQ(name->DisplayText(), QStringLiteral("1234-5678"));
    EXPECT_EQ(name->Text(), QStringLiteral("12345678"));
    name->OnGetText = TFieldGetTextEvent::fromFunction([](TField* field, QString& text, bool display) {
        text = (display ? QStringLiteral("D:") : QStringLiteral("E:")) + field->AsString();
    });
    EXPECT_EQ(name->DisplayText(), QStringLiteral("D:12345678"));
    EXPECT_EQ(name->Text(), QStringLiteral("E:12345678"));
    EXPECT_EQ(name->AsString(), QStringLiteral("12345678"));
}

TEST_F(FieldTest, PresentationDefaults) {
    EXPECT_EQ(name->DisplayLabel(), QStringLiteral("NAME"));
    name->SetDisplayLabel(QStringLiteral("Nome"));
    EXPECT_EQ(name->DisplayName(), QStringLiteral("Nome"));
    EXPECT_EQ(name->DisplayWidth(), 10);
    name->SetDisplayWidth(4);
    EXPECT_EQ(name->DisplayWidth(), 4);
    EXPECT_EQ(name->ProviderFlags(), TProviderFlags(pfInUpdate) | pfInWhere);
    EXPECT_EQ(name->Index(), 0);
    EXPECT_EQ(flag->Index(), 10);
}

} // namespace
