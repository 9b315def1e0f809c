#ifndef TESTS_COMUN_DESCRIPTORENFICHERO_H_
#define TESTS_COMUN_DESCRIPTORENFICHERO_H_

#include <unistd.h>

#include <cstdio>
#include <string>

// While alive, standard descriptor `estandar` is a temporary file that
// starts with `texto`: the answers of a session, or nothing for its output.
// Standard input is then no terminal, so a pause never waits for a key.
// Standard output should be flushed before one is made for it.
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

  // Everything the file holds.
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
  int estandar_;
  int guardado_;
  std::FILE* fichero_;
};

#endif  // TESTS_COMUN_DESCRIPTORENFICHERO_H_
