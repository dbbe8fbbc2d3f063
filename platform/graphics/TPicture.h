#pragma once
// A picture holder and the registry of picture classes. File formats are
// registered by extension with a description, clipboard formats by number,
// and classes by name for pictures stored in form resources. Bitmaps
// ("bmp"), icons ("ico") and JPEG pictures ("jpg", "jpeg") are registered
// from the start; other formats register themselves when the program starts.
// The holder owns its graphic and loads the class a file, clipboard format
// or stored class name calls for.

#include "platform/graphics/TGraphicClass.h"
#include "platform/graphics/TPersistent.h"

#include <QIODevice>
#include <memory>
#include <optional>

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;

    QString ClassName() const override { return QStringLiteral("TPicture"); }
    void Assign(const TPersistent* source) override;

    static void RegisterFileFormat(const QString& extension, const QString& description,
                                   const TGraphicClass& graphicClass);
    static void RegisterClipboardFormat(unsigned format, const TGraphicClass& graphicClass);
    // Makes a class known by name for pictures stored in form resources.
    static void RegisterClass(const TGraphicClass& graphicClass);
    // Removes the class from the file and clipboard formats.
    static void UnregisterGraphicClass(const QString& className);
    static bool SupportsClipboardFormat(unsigned format);
    // The class registered for an extension (without the dot, any case).
    static std::optional<TGraphicClass> FileFormat(const QString& extension);
    // The description registered for an extension; empty when none.
    static QString FileFormatDescription(const QString& extension);
    // A file-dialog filter of every format: "All (*.bmp;...)|*.bmp;...|Bitmaps (*.bmp)|*.bmp|...".
    static QString GraphicFilter();

    TGraphic* Graphic() const { return m_graphic.get(); }
    // Takes a copy of `graphic` (nil empties the holder).
    void SetGraphic(const TGraphic* graphic);
    // The graphic as a bitmap or icon; a holder of another class is emptied
    // and given a new one first.
    TBitmap& Bitmap();
    TIcon& Icon();
    int Width() const;
    int Height() const;

    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName) const;
    void LoadFromClipboardFormat(const TClipboardData& data);
    void SaveToClipboardFormat(TClipboardData& data) const;
    // The form-resource data: the class name (a length byte and the
    // characters), then the graphic's own data.
    void ReadData(QIODevice& stream);
    void WriteData(QIODevice& stream) const;

    TNotifyEvent OnChange;

private:
    void Replace(std::unique_ptr<TGraphic> graphic);
    void Changed(TObject* sender);

    std::unique_ptr<TGraphic> m_graphic;
};
