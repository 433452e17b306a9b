#include "forcefield/force_field_file.h"

#include "forcefield/amber_reader.h"
#include "forcefield/charmm_reader.h"
#include "forcefield/offxml_reader.h"
#include "forcefield/openmm_reader.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

IncludedFile ReadForceFieldText(const std::string& path)
{
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return {};
    IncludedFile result;
    result.found = true;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) {
        result.error = path + ": no se puede leer el archivo";
        return result;
    }
    if (size > kMaxForceFieldBytes) {
        result.error = path + ": el archivo pasa de 256 MB; no parece un campo de fuerza";
        return result;
    }
    std::ifstream stream(file, std::ios::binary);
    result.text.resize(static_cast<std::size_t>(size));
    if (!stream.read(result.text.data(), static_cast<std::streamsize>(size)) && size != 0) {
        result.error = path + ": no se puede leer el archivo";
        result.text.clear();
        return result;
    }
    if (result.text.find('\0') != std::string::npos) {
        result.error = path + ": el archivo es binario (contiene bytes nulos); no es un campo de fuerza";
        result.text.clear();
    }
    return result;
}

std::vector<std::string> GromacsDataFolders()
{
    std::vector<std::string> folders;
    if (const char* data = std::getenv("GMXDATA"); data && *data) folders.push_back(std::string(data) + "/top");
    folders.emplace_back("/usr/share/gromacs/top");
    return folders;
}

ForceFieldFileReading ReadForceFieldFile(const std::string& path, const ForceFieldOptions& options)
{
    ForceFieldFileReading result;
    const IncludedFile file = ReadForceFieldText(path);
    if (!file.found || !file.error.empty()) {
        std::error_code error;
        const bool folder = std::filesystem::is_directory(std::filesystem::path(std::u8string(path.begin(), path.end())), error);
        result.reading.error = file.found ? file.error
                               : folder   ? path + ": es una carpeta, no un archivo"
                                          : path + ": no existe ese archivo";
        return result;
    }
    const auto format = options.format ? options.format : GuessFormat(path, file.text);
    if (!format) {
        result.reading.error = path + ": no se reconoce el formato del campo de fuerza";
        return result;
    }
    result.format = *format;
    switch (*format) {
    case ForceFieldFormat::Gromacs:
        result.reading = ReadGromacs(file.text, path, {ReadForceFieldText, GromacsDataFolders()});
        break;
    case ForceFieldFormat::Charmm:
        result.reading = ReadCharmm(file.text, path);
        break;
    case ForceFieldFormat::Amber:
        result.reading = ReadAmber(file.text, path);
        break;
    case ForceFieldFormat::OpenMM:
        result.reading = ReadOpenmm(file.text, path);
        break;
    case ForceFieldFormat::Offxml:
        result.reading = ReadOffxml(file.text, path);
        break;
    case ForceFieldFormat::Lammps:
        result.reading = ReadLammps(file.text, path, options.lammps);
        break;
    }
    return result;
}
