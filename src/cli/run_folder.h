#pragma once

#include <string>

namespace brisquel {

// The command line's own folder for one run: beside (never inside) the window's scratch
// folder, which the window wipes at its start. It holds the converter's link under a name of
// this run's own, data/<converterName()>, so that no converter of the window or of another
// run carries it, and the scratch folder of the batch. Removed with everything in it when the
// object goes.
class RunFolder
{
public:
    // `converter`: the file the link leads to.
    RunFolder(const std::string& parentFolder, const std::string& converter);
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    // Empty when the folder or the link could not be made; error() then says why.
    const std::string& path() const { return m_path; }
    const std::string& error() const { return m_error; }

    std::string converterName() const { return m_converterName; }
    std::string scratchFolder() const;

private:
    std::string m_path;
    std::string m_converterName;
    std::string m_error;
};

// The converter the window's link leads to: programFolder/data/conv.exe resolved; empty
// when there is none.
std::string ResolvedConverter(const std::string& programFolder);

} // namespace brisquel
