#pragma once
// The four streams of the showcase's Paint.Picture object, written the way the object's reader
// (runtime/ole/object_streams.h) reads them, and the two bitmaps inside them.

#include "runtime/ole/compound_document.h"
#include "runtime/ole/object_streams.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <cstddef>
#include <span>
#include <vector>

namespace qv::showcase
{

// A 24-bit bitmap file without a colour table, at 96 dots an inch.
std::vector<std::byte> encodeBitmapFile(const QImage &picture);
// A 24-bit packed DIB whose colour table lists `palette`: at 24 bits a pixel the table is only a hint for
// palette displays, the pixels hold their colours themselves.
std::vector<std::byte> encodePackedDib(const QImage &picture, std::span<const QRgb> palette);

std::vector<std::byte> writeOleStream();
std::vector<std::byte> writeCompObjStream(const ole::ClassId &cls, const ole::CompObjContents &contents);
std::vector<std::byte> writePresentationStream(const QImage &picture, std::span<const QRgb> palette);
std::vector<std::byte> writeNativeStream(std::span<const std::byte> bitmapFile);

} // namespace qv::showcase
