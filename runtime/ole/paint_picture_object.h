#pragma once
// The showcase window's embedded object: a Paint.Picture (the OLE1 Paintbrush class) saved as a compound
// document, as an OLE container stores it. Written once by the program, read back whenever a container shows
// it.

#include <QImage>
#include <QString>

#include <cstddef>
#include <span>
#include <vector>

namespace qv
{

struct EmbeddedObject {
    QString className; // "Paint.Picture", from the root entry's class identity
    QString userType; // the name a user is shown, "Paintbrush Picture"
    QImage picture; // the cached presentation: what the container shows
    QImage nativePicture; // the object's own data: what its server opens
};

inline constexpr std::size_t paintPictureObjectSize = 456'704;

// Builds the document afresh; empty (with a logged reason) only if libgsf fails.
std::vector<std::byte> writePaintPictureObject();
// The document, built on first use and kept for the life of the program: stored data that a window's layout
// points its record at.
std::span<const std::byte> paintPictureObject();

// Reads and checks a Paint.Picture object: the document, its root class, the four streams with their exact
// sizes and every header in them. False, with a message naming the stream and the fault, on any damage.
bool readEmbeddedObject(std::span<const std::byte> document, EmbeddedObject &out, QString &error);

} // namespace qv
