#include "consola/Entrada.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "consola/FinDeEntrada.h"

namespace {

constexpr const char* kAviso = "Dato no valido, introduce un numero: ";

std::string avisos(int cuantos) {
  std::string texto;
  for (int i = 0; i < cuantos; ++i) {
    texto += kAviso;
  }
  return texto;
}

struct CasoEntero {
  const char* entrada;
  bool leido;
  int valor;
  int avisos;
  const char* resto;  // the next word left in the stream, "" for none
};

TEST(Entrada, LeerEnteroRecuperaTrasUnDatoNoValido) {
  const CasoEntero casos[] = {
      {"  42 resto\n", true, 42, 0, "resto"},
      {"\n\n  -7\n", true, -7, 0, ""},
      {"abc\n7\n", true, 7, 1, ""},
      {"abc def 9\n8\n", true, 8, 1, ""},  // the whole bad line goes
      {"99999999999\n-3\n", true, -3, 1, ""},
      {"-99999999999\n2147483647\n", true, 2147483647, 1, ""},
      {"-\n+\n5 x\n", true, 5, 2, "x"},
      {"12abc\n", true, 12, 0, "abc"},  // the number ends where digits do
      {"", false, 0, 0, ""},
      {"   \n \n", false, 0, 0, ""},
      {"abc", false, 0, 1, ""},  // a bad last line without its line end
      // An answer cut short by the end is still a bad answer.
      {"-", false, 0, 1, ""},
      {"99999999999", false, 0, 1, ""},
      {"x\ny\n", false, 0, 2, ""},
  };
  for (const CasoEntero& caso : casos) {
    std::istringstream in(caso.entrada);
    std::ostringstream out;
    consola::Entrada entrada(in, out);
    int valor = 0;
    EXPECT_EQ(entrada.leerEntero(valor), caso.leido) << caso.entrada;
    if (caso.leido) {
      EXPECT_EQ(valor, caso.valor) << caso.entrada;
    }
    EXPECT_EQ(out.str(), avisos(caso.avisos)) << caso.entrada;
    std::string resto;
    in.clear();
    in >> resto;
    EXPECT_EQ(resto, caso.resto) << caso.entrada;
  }
}

TEST(Entrada, LeerRealAceptaElFormatoDelFlujo) {
  struct Caso {
    const char* entrada;
    bool leido;
    float valor;
    int avisos;
  };
  const Caso casos[] = {
      {"2.5\n", true, 2.5F, 0},      {"-3\n", true, -3.0F, 0},
      {"1e3\n", true, 1000.0F, 0},   {"x 1.5\n2\n", true, 2.0F, 1},
      {"1e999\n3\n", true, 3.0F, 1}, {".\n0.25\n", true, 0.25F, 1},
      {"", false, 0.0F, 0},
  };
  for (const Caso& caso : casos) {
    std::istringstream in(caso.entrada);
    std::ostringstream out;
    consola::Entrada entrada(in, out);
    float valor = 0;
    EXPECT_EQ(entrada.leerReal(valor), caso.leido) << caso.entrada;
    if (caso.leido) {
      EXPECT_FLOAT_EQ(valor, caso.valor) << caso.entrada;
    }
    EXPECT_EQ(out.str(), avisos(caso.avisos)) << caso.entrada;
  }
}

TEST(Entrada, PalabrasDeCualquierLargo) {
  const std::string larga(5000, 'x');
  std::istringstream in("  Rojo\n\n Azul " + larga + "\n");
  std::ostringstream out;
  consola::Entrada entrada(in, out);
  EXPECT_EQ(entrada.palabra(), "Rojo");
  EXPECT_EQ(entrada.palabra(), "Azul");
  std::string palabra;
  EXPECT_TRUE(entrada.leerPalabra(palabra));
  EXPECT_EQ(palabra, larga);
  EXPECT_FALSE(entrada.leerPalabra(palabra));
  EXPECT_EQ(palabra, larga) << "a failed read leaves the word alone";
  EXPECT_THROW(entrada.palabra(), consola::FinDeEntrada);
  EXPECT_EQ(out.str(), "");
}

TEST(Entrada, OpcionSinNumeroNoDaValorNiAviso) {
  std::istringstream in("3 abc 9\n99999999999\n-2\n");
  std::ostringstream out;
  consola::Entrada entrada(in, out);
  EXPECT_EQ(entrada.opcion(), std::optional<int>(3));
  EXPECT_EQ(entrada.opcion(), std::nullopt);  // "abc 9" discarded together
  EXPECT_EQ(entrada.opcion(), std::nullopt);
  EXPECT_EQ(entrada.opcion(), std::optional<int>(-2));
  EXPECT_THROW(entrada.opcion(), consola::FinDeEntrada);
  EXPECT_EQ(out.str(), "") << "the caller writes its own range message";

  std::istringstream cortada("  +");
  consola::Entrada entradaCortada(cortada, out);
  EXPECT_EQ(entradaCortada.opcion(), std::nullopt);
  EXPECT_THROW(entradaCortada.opcion(), consola::FinDeEntrada);
}

TEST(Entrada, LasLecturasObligadasLanzanAlFinal) {
  std::istringstream in("1 2.5");
  std::ostringstream out;
  consola::Entrada entrada(in, out);
  EXPECT_EQ(entrada.entero(), 1);
  EXPECT_FLOAT_EQ(entrada.real(), 2.5F);
  EXPECT_THROW(entrada.entero(), consola::FinDeEntrada);
  EXPECT_THROW(entrada.real(), consola::FinDeEntrada);
}

}  // namespace
