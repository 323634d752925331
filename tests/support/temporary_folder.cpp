#include "tests/support/temporary_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrolin-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

std::filesystem::path TemporaryFolder::write(const std::string& name, const std::string& bytes) const
{
    const std::filesystem::path file = m_path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream << bytes;
    return file;
}

std::string TemporaryFolder::read(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream contents;
    contents << stream.rdbuf();
    return contents.str();
}

TemporaryHome::TemporaryHome()
{
    if (const char* home = std::getenv("HOME")) {
        m_hadHome = true;
        m_oldHome = home;
    }
    if (const char* configHome = std::getenv("XDG_CONFIG_HOME")) {
        m_hadConfigHome = true;
        m_oldConfigHome = configHome;
    }
    setenv("HOME", m_folder.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (m_folder.path() / ".config").c_str(), 1);
}

TemporaryHome::~TemporaryHome()
{
    if (m_hadHome)
        setenv("HOME", m_oldHome.c_str(), 1);
    else
        unsetenv("HOME");
    if (m_hadConfigHome)
        setenv("XDG_CONFIG_HOME", m_oldConfigHome.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}
