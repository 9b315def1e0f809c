#include "Empleados.h"

#include <cstddef>
#include <iostream>
#include <string>

#include "consola/Sesion.h"

namespace {

// Copia `origen` en `destino`, un array de `tamanio` bytes, con tamanio - 1
// bytes como mucho y siempre con '\0' al final.
void copiarTexto(char* destino, std::size_t tamanio, const char* origen) {
  std::size_t i = 0;
  if (origen != nullptr) {
    for (; i + 1 < tamanio && origen[i] != '\0'; ++i) {
      destino[i] = origen[i];
    }
  }
  destino[i] = '\0';
}

constexpr int kRespuestaSi = 1;

}  // namespace

Empleados::Empleados(const char* nombre, const char* domicilio,
                     const char* banco, float salario)
    : salario(salario), nombre{}, domicilio{}, banco{} {
  copiarTexto(this->nombre, sizeof this->nombre, nombre);
  copiarTexto(this->domicilio, sizeof this->domicilio, domicilio);
  copiarTexto(this->banco, sizeof this->banco, banco);
}

float Empleados::bonificacion(float porcentaje) const {
  return static_cast<float>(static_cast<double>(porcentaje) / 100 *
                            static_cast<double>(salario));
}

float Empleados::salarioFinal(float bonificacion) const {
  return static_cast<float>(static_cast<double>(salario) +
                            static_cast<double>(bonificacion));
}

std::optional<float> Empleados::empezarNomina(consola::Sesion& sesion,
                                              const char* tipo) const {
  consola::Entrada& respuestas = sesion.respuestas();

  // El mes se lee como una sola palabra, sea cual sea su longitud, para que
  // una palabra larga no se parta en respuestas siguientes; solo se guarda lo
  // que cabe, nunca media letra.
  std::cout << "Introduce el mes: ";
  const std::string palabra =
      respuestas.palabraOFin(kTamanioMes - 1).value_or("");
  char mes[kTamanioMes];
  copiarTexto(mes, sizeof mes, palabra.c_str());

  std::optional<float> porcentaje;
  std::cout << "Este mes hay bonificacion? (1-Si, 2-No)";
  // Al acabarse la entrada no hay respuesta, y tampoco bonificación.
  if (respuestas.enteroOFin() == kRespuestaSi) {
    std::cout << "De cuanto es esta bonificacion? (Valor entre 0% y 100%)";
    porcentaje = respuestas.porcentajeOFin();
  }

  sesion.limpiarPantalla();
  std::cout << "          VEDURIZ AZEZAVERI          " << std::endl;
  std::cout << "     NOMINA DEL MES DE " << mes << "     " << std::endl;
  std::cout << std::endl;
  std::cout << "Nombre: " << nombre << "               Domicilio: " << domicilio
            << std::endl;
  std::cout << "Banco: " << banco << std::endl;
  std::cout << std::endl;
  std::cout << "Tipo de empleado: " << tipo << std::endl;
  return porcentaje;
}

void Empleados::terminarNomina(consola::Sesion& sesion,
                               std::optional<float> porcentaje) const {
  std::cout << "Salario: " << salario << " euros." << std::endl;
  if (porcentaje) {
    const float bono = bonificacion(*porcentaje);
    std::cout << "Bonificacion: " << bono << std::endl;
    std::cout << "Salario final: " << salarioFinal(bono) << std::endl;
  }
  sesion.pausar();
  sesion.limpiarPantalla();
}
