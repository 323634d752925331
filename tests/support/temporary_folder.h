#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. Tests that write files use one so that runs never see each other's files.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Writes bytes to a file inside the folder and returns its path.
    std::filesystem::path write(const std::string& name, const std::string& bytes) const;
    // Reads a whole file as bytes; empty when it cannot be read.
    static std::string read(const std::filesystem::path& file);

private:
    std::filesystem::path m_path;
};

// Points HOME and XDG_CONFIG_HOME at a temporary folder for as long as the object lives, so the
// work folder resolves inside it; restores the previous values afterwards.
class TemporaryHome {
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    const std::filesystem::path& path() const { return m_folder.path(); }

private:
    TemporaryFolder m_folder;
    std::string m_oldHome;
    std::string m_oldConfigHome;
    bool m_hadHome = false;
    bool m_hadConfigHome = false;
};
