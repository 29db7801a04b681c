#pragma once

// The OLE2 compound-file container of an .xls file. This is the only place that includes
// libgsf, and it includes no Qt header: glib's headers clash with Qt's keywords.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace spreadsheet::xls {

enum class ContainerProblem {
    None,
    NotCompoundFile,   // not an OLE2 file at all, or a damaged one
    NoWorkbookStream,  // an OLE2 file without a "Workbook" or "Book" stream (e.g. a .doc)
    EncryptedPackage,  // a password-protected .xlsx, which Office wraps in OLE2
    StreamTooLarge,
};

struct NamedStream {
    std::string name;  // UTF-8; "a/b" is the stream b inside the storage a
    std::vector<std::uint8_t> bytes;
};

struct ContainerContents {
    ContainerProblem problem = ContainerProblem::None;
    std::vector<std::uint8_t> workbookStream;
    // The document properties (title, author) and the OLE class stream, which a save keeps.
    std::vector<NamedStream> propertyStreams;
    bool hasMacros = false;            // a VBA project
    bool hasEmbeddedStorages = false;  // embedded objects, pivot caches and the like
};

ContainerContents extractWorkbookStream(const std::uint8_t* data, std::size_t size,
                                        std::size_t maxStreamSize);

// An OLE2 file holding `stream` under `streamName` ("Workbook" for an .xls file), and the
// other streams beside it. Throws std::runtime_error when the container cannot be built.
std::vector<std::uint8_t> buildCompoundFile(const std::vector<std::uint8_t>& stream,
                                            const char* streamName = "Workbook",
                                            const std::vector<NamedStream>& others = {});

}  // namespace spreadsheet::xls
