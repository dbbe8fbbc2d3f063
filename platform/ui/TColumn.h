#pragma once
// One column of a data grid: the field it shows, its title, width,
// alignment, font and visibility. Unset properties follow the field.

#include "platform/db/DBTypes.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class TDBGridColumns;
class TField;

class TColumn {
public:
    explicit TColumn(TDBGridColumns* collection);

    // Takes every setting of `other` (its field, and what it set by hand).
    void Assign(const TColumn& other);

    int Index() const;
    const QString& FieldName() const { return m_fieldName; }
    void SetFieldName(const QString& name);
    // The field of the grid's data set with that name (nullptr when closed
    // or without a grid).
    TField* Field() const;

    QString TitleCaption() const;
    void SetTitleCaption(const QString& caption);
    QFont TitleFont() const;
    void SetTitleFont(const QFont& font);
    int Width() const;
    void SetWidth(int width);
    TAlignment Alignment() const;
    void SetAlignment(TAlignment alignment);
    bool Visible() const;
    void SetVisible(bool visible);
    QFont Font() const;
    void SetFont(const QFont& font);
    std::optional<QColor> Color() const { return m_color; }
    void SetColor(const QColor& color);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

private:
    void Changed();

    TDBGridColumns* m_collection;
    QString m_fieldName;
    std::optional<QString> m_titleCaption;
    std::optional<QFont> m_titleFont;
    std::optional<int> m_width;
    std::optional<TAlignment> m_alignment;
    std::optional<bool> m_visible;
    std::optional<QFont> m_font;
    std::optional<QColor> m_color;
    bool m_readOnly = false;
};
