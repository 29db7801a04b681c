#include "CompoundFile.h"

#include <gsf/gsf.h>

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace spreadsheet::xls {

namespace {

struct GObjectUnref {
    void operator()(gpointer object) const {
        if (object) {
            g_object_unref(object);
        }
    }
};
template <typename T>
using GsfPtr = std::unique_ptr<T, GObjectUnref>;

void ignoreLogMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// libgsf reports damaged containers on stderr as well as in its results; the caller tells the
// user, so the console stays quiet.
void initialiseGsfOnce() {
    static const bool initialised = [] {
        gsf_init();
        // nullptr: libgsf's sources that define no log domain of their own
        for (const char* domain :
             {static_cast<const char*>(nullptr), "libgsf", "libgsf:msole", "libgsf:utils"}) {
            g_log_set_handler(domain,
                              static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK & ~G_LOG_LEVEL_ERROR),
                              ignoreLogMessage, nullptr);
        }
        return true;
    }();
    (void)initialised;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Prefers "Workbook" (Excel 97 and later) over "Book" (Excel 5/95) when a file has both.
int findWorkbookChild(GsfInfile* infile, bool* encrypted) {
    const int count = gsf_infile_num_children(infile);
    int book = -1;
    for (int i = 0; i < count; ++i) {
        const char* name = gsf_infile_name_by_index(infile, i);
        if (!name) {
            continue;
        }
        if (equalsIgnoringCase(name, "Workbook")) {
            return i;
        }
        if (equalsIgnoringCase(name, "Book")) {
            book = i;
        }
        if (equalsIgnoringCase(name, "EncryptedPackage")) {
            *encrypted = true;
        }
    }
    return book;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool readWhole(GsfInput* input, std::vector<std::uint8_t>& bytes, std::size_t maxSize) {
    const gsf_off_t size = gsf_input_size(input);
    if (size < 0 || static_cast<std::size_t>(size) > maxSize) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    return size == 0 || gsf_input_read(input, size, bytes.data()) != nullptr;
}

// Besides the workbook stream: the property streams are kept; storages hold a VBA project,
// embedded objects or pivot caches, none of which a save can keep. A digital signature is
// void once the workbook changes anyway.
void surveyOtherChildren(GsfInfile* infile, int workbookIndex, ContainerContents& result) {
    constexpr std::size_t maxPropertyStream = 1u << 20;
    const int count = gsf_infile_num_children(infile);
    for (int i = 0; i < count; ++i) {
        const char* name = gsf_infile_name_by_index(infile, i);
        if (i == workbookIndex || !name) {
            continue;
        }
        GsfPtr<GsfInput> child(gsf_infile_child_by_index(infile, i));
        if (!child) {
            continue;
        }
        if (GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0) {
            if (startsWithIgnoringCase(name, "_VBA_PROJECT")) {
                result.hasMacros = true;
            } else if (std::string_view(name).find("ignature") == std::string_view::npos) {
                result.hasEmbeddedStorages = true;
            }
            continue;
        }
        const std::string_view streamName(name);
        if (streamName == "\005SummaryInformation" ||
            streamName == "\005DocumentSummaryInformation" || streamName == "\001CompObj") {
            NamedStream kept{std::string(streamName), {}};
            if (readWhole(child.get(), kept.bytes, maxPropertyStream)) {
                result.propertyStreams.push_back(std::move(kept));
            }
        }
    }
}

}  // namespace

ContainerContents extractWorkbookStream(const std::uint8_t* data, std::size_t size,
                                        std::size_t maxStreamSize) {
    initialiseGsfOnce();
    ContainerContents result;
    GsfPtr<GsfInput> input(gsf_input_memory_new(data, static_cast<gsf_off_t>(size), FALSE));
    if (!input) {
        result.problem = ContainerProblem::NotCompoundFile;
        return result;
    }
    GError* error = nullptr;
    GsfPtr<GsfInfile> infile(gsf_infile_msole_new(input.get(), &error));
    if (error) {
        g_error_free(error);
    }
    if (!infile) {
        result.problem = ContainerProblem::NotCompoundFile;
        return result;
    }
    bool encrypted = false;
    const int index = findWorkbookChild(infile.get(), &encrypted);
    if (index < 0) {
        result.problem =
            encrypted ? ContainerProblem::EncryptedPackage : ContainerProblem::NoWorkbookStream;
        return result;
    }
    GsfPtr<GsfInput> stream(gsf_infile_child_by_index(infile.get(), index));
    if (!stream) {
        result.problem = ContainerProblem::NotCompoundFile;
        return result;
    }
    const gsf_off_t streamSize = gsf_input_size(stream.get());
    if (streamSize < 0 || static_cast<std::size_t>(streamSize) > maxStreamSize) {
        result.problem = ContainerProblem::StreamTooLarge;
        return result;
    }
    if (!readWhole(stream.get(), result.workbookStream, maxStreamSize)) {
        result.workbookStream.clear();
        result.problem = ContainerProblem::NotCompoundFile;
        return result;
    }
    surveyOtherChildren(infile.get(), index, result);
    return result;
}

namespace {

// A name "a/b/c" is the stream c in the storage b inside the storage a.
bool writeChild(GsfOutfile* parent, std::string_view name, const std::vector<std::uint8_t>& bytes) {
    const std::size_t slash = name.find('/');
    if (slash != std::string_view::npos) {
        const std::string storageName(name.substr(0, slash));
        GsfPtr<GsfOutput> storage(gsf_outfile_new_child(parent, storageName.c_str(), TRUE));
        return storage && writeChild(GSF_OUTFILE(storage.get()), name.substr(slash + 1), bytes) &&
               gsf_output_close(storage.get());
    }
    const std::string streamName(name);
    GsfPtr<GsfOutput> child(gsf_outfile_new_child(parent, streamName.c_str(), FALSE));
    return child && gsf_output_write(child.get(), bytes.size(), bytes.data()) &&
           gsf_output_close(child.get());
}

}  // namespace

std::vector<std::uint8_t> buildCompoundFile(const std::vector<std::uint8_t>& stream,
                                            const char* streamName,
                                            const std::vector<NamedStream>& others) {
    initialiseGsfOnce();
    GsfPtr<GsfOutput> memory(gsf_output_memory_new());
    GsfPtr<GsfOutfile> ole(gsf_outfile_msole_new(memory.get()));
    if (!ole) {
        throw std::runtime_error("cannot create the OLE2 container");
    }
    bool written = writeChild(ole.get(), streamName, stream);
    for (const NamedStream& other : others) {
        written = written && writeChild(ole.get(), other.name, other.bytes);
    }
    const bool closed = gsf_output_close(GSF_OUTPUT(ole.get()));
    if (!written || !closed) {
        throw std::runtime_error("cannot write the OLE2 container");
    }
    const auto* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory.get()));
    const auto length = static_cast<std::size_t>(gsf_output_size(memory.get()));
    std::vector<std::uint8_t> result(bytes, bytes + length);
    return result;
}

}  // namespace spreadsheet::xls
