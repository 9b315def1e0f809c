#ifndef TESTS_COMUN_DESCRIPTORENFICHERO_H_
#define TESTS_COMUN_DESCRIPTORENFICHERO_H_

#include <unistd.h>

#include <cstdio>
#include <string>

// Mientras vive, el descriptor estándar `estandar` es un fichero temporal
// que empieza con `texto`: las respuestas de una sesión, o nada para su
// salida. La entrada estándar deja así de ser un terminal, y una pausa no
// espera nunca una tecla. Antes de hacer uno para la salida estándar hay que
// vaciar lo que esta tenga pendiente.
class DescriptorEnFichero {
 public:
  DescriptorEnFichero(int estandar, const std::string& texto)
      : estandar_(estandar),
        guardado_(dup(estandar)),
        fichero_(std::tmpfile()) {
    std::fwrite(texto.data(), 1, texto.size(), fichero_);
    std::fflush(fichero_);
    std::rewind(fichero_);
    dup2(fileno(fichero_), estandar_);
  }

  ~DescriptorEnFichero() {
    dup2(guardado_, estandar_);
    close(guardado_);
    std::fclose(fichero_);
  }

  DescriptorEnFichero(const DescriptorEnFichero&) = delete;
  DescriptorEnFichero& operator=(const DescriptorEnFichero&) = delete;

  // Todo lo que guarda el fichero.
  std::string contenido() {
    std::string texto;
    std::rewind(fichero_);
    char bloque[4096];
    std::size_t leidos = 0;
    while ((leidos = std::fread(bloque, 1, sizeof bloque, fichero_)) > 0) {
      texto.append(bloque, leidos);
    }
    return texto;
  }

 private:
  int estandar_;        // el descriptor que se sustituye: 0, 1 o 2
  int guardado_;        // una copia del original, que vuelve al final
  std::FILE* fichero_;  // el fichero temporal, que se borra al cerrarlo
};

#endif  // TESTS_COMUN_DESCRIPTORENFICHERO_H_
