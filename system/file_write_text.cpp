#include "system/file_write_text.h"

std::string FileWriteReasonText(const FileWriteOutcome& outcome)
{
    switch (outcome.error) {
    case FileWriteError::NoFolder: return "la carpeta no existe";
    case FileWriteError::NoPermission: return "permiso denegado: no puede escribir en ese archivo o en su carpeta";
    case FileWriteError::OtherOwner:
        return "el archivo es de otro usuario o grupo, y sustituirlo le cambiaría el dueño";
    case FileWriteError::IsFolder: return "ese nombre es el de una carpeta";
    case FileWriteError::NotRegular: return "no es un archivo normal y no admite escritura";
    case FileWriteError::NoSpace: return "no queda espacio en el disco";
    case FileWriteError::TooLarge: return "el archivo supera el tamaño máximo permitido";
    case FileWriteError::ReadOnly: return "el disco es de solo lectura";
    case FileWriteError::NameTooLong: return "nombre demasiado largo";
    case FileWriteError::InvalidName: return "el nombre no es texto válido: tiene un carácter incompleto";
    case FileWriteError::TooManyLinks: return "demasiados enlaces simbólicos encadenados, o un enlace en bucle";
    case FileWriteError::InUse: return "el archivo está en uso";
    case FileWriteError::NoMemory: return "no hay memoria suficiente";
    case FileWriteError::None:
    case FileWriteError::Other: break;
    }
    return "error de escritura número " + std::to_string(outcome.systemError.value()) + " del sistema";
}
