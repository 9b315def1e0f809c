#include "consola/Entrada.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

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
      // An integer takes no decimal comma: it ends the number and stays.
      {"2,5\n", true, 2, 0, ",5"},
      {",5\n7\n", true, 7, 1, ""},
      {"12%\n", true, 12, 0, "%"},
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

// All that a read left in the stream.
std::string restoDe(std::istream& in) {
  in.clear();
  std::ostringstream resto;
  resto << in.rdbuf();
  return resto.str();
}

// One read of a real number: what it gives and what it leaves.
struct CasoReal {
  std::string entrada;
  bool leido;
  float valor;
  int avisos;
  std::string resto;  // all that is left in the stream
};

void comprobarReal(const CasoReal& caso,
                   bool (consola::Entrada::*leer)(float&)) {
  std::istringstream in(caso.entrada);
  std::ostringstream out;
  consola::Entrada entrada(in, out);
  float valor = -1;
  const std::string muestra = caso.entrada.substr(0, 40);
  EXPECT_EQ((entrada.*leer)(valor), caso.leido) << muestra;
  if (caso.leido) {
    EXPECT_FLOAT_EQ(valor, caso.valor) << muestra;
  }
  EXPECT_EQ(out.str(), avisos(caso.avisos)) << muestra;
  EXPECT_EQ(restoDe(in), caso.resto) << muestra;
}

// The decimal comma, and the stream's own format kept as it is in libstdc++,
// including where a number ends and what stays after it.
TEST(Entrada, LeerRealConComaDecimal) {
  const CasoReal casos[] = {
      {"2,5\n", true, 2.5F, 0, "\n"},
      {"2.5\n", true, 2.5F, 0, "\n"},
      {",5\n", true, 0.5F, 0, "\n"},
      {"-,5 x\n", true, -0.5F, 0, " x\n"},
      {"1,5e2\n", true, 150.0F, 0, "\n"},
      {"2,5", true, 2.5F, 0, ""},
      // A comma not followed by a digit ends the number and stays.
      {"2,\n", true, 2.0F, 0, ",\n"},
      {"2,x\n", true, 2.0F, 0, ",x\n"},
      {"2, 5\n", true, 2.0F, 0, ", 5\n"},
      {"2,,5\n", true, 2.0F, 0, ",,5\n"},
      {"2,", true, 2.0F, 0, ","},
      // A second decimal mark ends the number too, comma or point.
      {"2.5,3\n", true, 2.5F, 0, ",3\n"},
      {"2,5,3\n", true, 2.5F, 0, ",3\n"},
      {"2,5.3\n", true, 2.5F, 0, ".3\n"},
      {"1e5,5\n", true, 100000.0F, 0, ",5\n"},
      {",\n3\n", true, 3.0F, 1, "\n"},
      {"1e,5\n3\n", true, 3.0F, 1, "\n"},
      // The stream's format, unchanged.
      {"1e5 x\n", true, 100000.0F, 0, " x\n"},
      {"1E+2x\n", true, 100.0F, 0, "x\n"},
      {"1e-2\n", true, 0.01F, 0, "\n"},
      {"+.5\n", true, 0.5F, 0, "\n"},
      {"00.5\n", true, 0.5F, 0, "\n"},
      {"1.2.3\n", true, 1.2F, 0, ".3\n"},
      {"1e5e3\n", true, 100000.0F, 0, "e3\n"},
      {"1-2\n", true, 1.0F, 0, "-2\n"},
      {"0x1A\n", true, 0.0F, 0, "x1A\n"},  // no hexadecimal
      {"1e-999\n", true, 0.0F, 0, "\n"},   // too small is zero, not an error
      {"1e\n4\n", true, 4.0F, 1, "\n"},
      {"1e+ 9\n4\n", true, 4.0F, 1, "\n"},
      {"-\n4\n", true, 4.0F, 1, "\n"},
      {"+-1\n4\n", true, 4.0F, 1, "\n"},
      {".\n4\n", true, 4.0F, 1, "\n"},
      {".e1\n4\n", true, 4.0F, 1, "\n"},
      {"inf\n4\n", true, 4.0F, 1, "\n"},
      {"nan\n4\n", true, 4.0F, 1, "\n"},
      {"3.5e38\n4\n", true, 4.0F, 1, "\n"},
      {"e5\n4\n", true, 4.0F, 1, "\n"},
      // Cut short by the end of input: a bad answer, then the end.
      {"1e", false, 0.0F, 1, ""},
      {",", false, 0.0F, 1, ""},
  };
  for (const CasoReal& caso : casos) {
    comprobarReal(caso, &consola::Entrada::leerReal);
  }
}

// Up to kLargoMaximoNumero characters a real number is read as the stream
// reads it; a longer one is no number, and the rest of its line goes.
TEST(Entrada, LeerRealDeHastaCuatroMilNoventaYSeisCaracteres) {
  const std::size_t maximo = consola::Entrada::kLargoMaximoNumero;
  ASSERT_EQ(maximo, 4096U);
  const std::string ceros(maximo, '0');
  const std::string unos(maximo, '1');
  const CasoReal casos[] = {
      {ceros.substr(1) + "1 x\n", true, 1.0F, 0, " x\n"},
      {"-" + ceros.substr(2) + "1\n", true, -1.0F, 0, "\n"},
      {"0," + ceros.substr(3) + "5\n", true, 0.0F, 0, "\n"},
      {"+" + ceros.substr(4) + "2,5", true, 2.5F, 0, ""},
      {ceros + "\n", true, 0.0F, 0, "\n"},
      {unos + "\n7\n", true, 7.0F, 1, "\n"},  // out of range, as ever
      // One character more: no number.
      {ceros + "1 2\n7\n", true, 7.0F, 1, "\n"},
      {"-" + ceros + "\n7\n", true, 7.0F, 1, "\n"},
      {ceros + ",5\n7\n", true, 7.0F, 1, "\n"},
      {ceros + ceros + "1", false, 0.0F, 1, ""},
  };
  for (const CasoReal& caso : casos) {
    comprobarReal(caso, &consola::Entrada::leerReal);
  }
}

// A '%' right after the number belongs to the answer; anywhere else it does
// not.
TEST(Entrada, LeerPorcentaje) {
  const CasoReal casos[] = {
      {"10%\n", true, 10.0F, 0, "\n"},
      {"12,5%\n", true, 12.5F, 0, "\n"},
      {"12.5% 3\n", true, 12.5F, 0, " 3\n"},
      {"10%", true, 10.0F, 0, ""},
      {"10\n", true, 10.0F, 0, "\n"},
      {"10 %\n", true, 10.0F, 0, " %\n"},
      {"10%%\n", true, 10.0F, 0, "%\n"},
      {"2,%\n", true, 2.0F, 0, ",%\n"},
      {"%\n5%\n", true, 5.0F, 1, "\n"},
      {"%10\n5\n", true, 5.0F, 1, "\n"},
      {"", false, 0.0F, 0, ""},
  };
  for (const CasoReal& caso : casos) {
    comprobarReal(caso, &consola::Entrada::leerPorcentaje);
  }
}

// An integer of any length is read by the stream's own extraction, which
// holds none of its digits.
TEST(Entrada, LeerEnteroDeCualquierLargo) {
  struct Caso {
    std::string entrada;
    int valor;
    int avisos;
    std::string resto;
  };
  const std::string ceros(100000, '0');
  const Caso casos[] = {
      {ceros + "7 x\n", 7, 0, " x\n"},
      {"-" + ceros + "7\n", -7, 0, "\n"},
      {"1" + ceros + "\n7\n", 7, 1, "\n"},
  };
  for (const Caso& caso : casos) {
    std::istringstream in(caso.entrada);
    std::ostringstream out;
    consola::Entrada entrada(in, out);
    int valor = 0;
    EXPECT_TRUE(entrada.leerEntero(valor));
    EXPECT_EQ(valor, caso.valor);
    EXPECT_EQ(out.str(), avisos(caso.avisos));
    EXPECT_EQ(restoDe(in), caso.resto);
  }
}

// A word keeps its first bytes up to the limit, never part of a letter; the
// rest of it is read and dropped, and what follows it stays.
TEST(Entrada, PalabraHastaUnLimiteDeBytes) {
  struct Caso {
    const char* entrada;
    std::size_t maximo;
    const char* palabra;
  };
  const Caso casos[] = {
      {"Rojo resto", 9, "Rojo"},
      {"Verdeazulado resto", 9, "Verdeazul"},
      {"  \n Verdelim\xC3\xB3n resto", 9, "Verdelim"},
      {"Amarill\xC3\xB3n resto", 9, "Amarill\xC3\xB3"},
      {"\xC3\xB1\xC3\xB1\xC3\xB1\xC3\xB1\xC3\xB1 resto", 9,
       "\xC3\xB1\xC3\xB1\xC3\xB1\xC3\xB1"},
      {"\xC3\xB1\xC3\xB1\xC3\xB1\xC3\xB1 resto", 8,
       "\xC3\xB1\xC3\xB1\xC3\xB1\xC3\xB1"},
      // Letters of three and four bytes.
      {"abcdefgh\xE2\x82\xAC resto", 9, "abcdefgh"},
      {"abcdefgh\xE2\x82\xAC resto", 10, "abcdefgh"},
      {"abcdefgh\xE2\x82\xAC resto", 11, "abcdefgh\xE2\x82\xAC"},
      {"abcdef\xF0\x9F\x98\x80 resto", 9, "abcdef"},
      {"abcdef\xF0\x9F\x98\x80 resto", 7, "abcdef"},
      // Bytes that are no UTF-8 letter are kept up to the limit.
      {"abcdefghi\x80\x80 resto", 9, "abcdefghi"},
      {"\x80\x80\x80\x80\x80 resto", 4, "\x80\x80\x80\x80"},
      {"Septiembreeeeeeeeeeeeeeeeeeeeee resto", 19, "Septiembreeeeeeeeee"},
      {"Diciembre\xC3\xA1\xC3\xA1\xC3\xA1\xC3\xA1\xC3\xA1 resto", 19,
       "Diciembre\xC3\xA1\xC3\xA1\xC3\xA1\xC3\xA1\xC3\xA1"},
      {"Diciembre\xC3\xA1\xC3\xA1\xC3\xA1\xC3\xA1\xC3\xA1\xC3\xA1 resto", 19,
       "Diciembre\xC3\xA1\xC3\xA1\xC3\xA1\xC3\xA1\xC3\xA1"},
      {"abc resto", 0, ""},
  };
  for (const Caso& caso : casos) {
    std::istringstream in(caso.entrada);
    std::ostringstream out;
    consola::Entrada entrada(in, out);
    std::string palabra = "antes";
    EXPECT_TRUE(entrada.leerPalabra(palabra, caso.maximo)) << caso.entrada;
    EXPECT_EQ(palabra, caso.palabra) << caso.entrada;
    EXPECT_EQ(restoDe(in), " resto") << caso.entrada;
  }

  std::istringstream in("Amarill\xC3\xB3n");
  std::ostringstream out;
  consola::Entrada entrada(in, out);
  EXPECT_EQ(entrada.palabra(9), "Amarill\xC3\xB3");
  std::string palabra = "antes";
  EXPECT_FALSE(entrada.leerPalabra(palabra, 9));
  EXPECT_EQ(palabra, "antes") << "a failed read leaves the word alone";
  EXPECT_THROW(entrada.palabra(9), consola::FinDeEntrada);
  EXPECT_EQ(out.str(), "");
}

#ifndef _WIN32
// Hands out one answer of `largo` copies of `relleno` a block at a time,
// then `despues`, without ever holding the answer whole.
class RespuestaLarga : public std::streambuf {
 public:
  RespuestaLarga(char relleno, std::size_t largo, std::string despues)
      : bloque_(kBloque, relleno),
        quedan_(largo),
        despues_(std::move(despues)) {}

 protected:
  int_type underflow() override {
    if (quedan_ > 0) {
      const std::size_t cuantos = std::min(quedan_, bloque_.size());
      quedan_ -= cuantos;
      setg(bloque_.data(), bloque_.data(), bloque_.data() + cuantos);
    } else if (!despuesDado_ && !despues_.empty()) {
      despuesDado_ = true;
      setg(despues_.data(), despues_.data(), despues_.data() + despues_.size());
    } else {
      return traits_type::eof();
    }
    return traits_type::to_int_type(*gptr());
  }

 private:
  static constexpr std::size_t kBloque = 1 << 16;
  std::string bloque_;
  std::size_t quedan_;
  std::string despues_;
  bool despuesDado_ = false;
};

// The highest resident memory of this process so far, in KiB.
long picoDeMemoria() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss;
}

// A word or a real number answer of 128 MiB goes through a read without
// being held: the process's peak memory does not grow by its size.
TEST(Entrada, UnaRespuestaLargaNoSeGuarda) {
  constexpr std::size_t kLargo = std::size_t{128} << 20;
  constexpr long kCrecimientoMaximo = 16 << 10;  // KiB
  const long antes = picoDeMemoria();
  {
    RespuestaLarga buffer('x', kLargo, " Rojo\n");
    std::istream in(&buffer);
    std::ostringstream out;
    consola::Entrada entrada(in, out);
    // Compared, not printed, should it be long.
    EXPECT_TRUE(entrada.palabra(9) == "xxxxxxxxx");
    EXPECT_EQ(entrada.palabra(9), "Rojo");
  }
  {
    RespuestaLarga buffer('1', kLargo, "\n2,5\n");
    std::istream in(&buffer);
    std::ostringstream out;
    consola::Entrada entrada(in, out);
    EXPECT_FLOAT_EQ(entrada.real(), 2.5F);
    EXPECT_EQ(out.str(), avisos(1));
  }
  EXPECT_LT(picoDeMemoria() - antes, kCrecimientoMaximo);
}
#endif

TEST(Entrada, PalabrasDeCualquierLargo) {
  const std::string larga(5000, 'x');
  std::istringstream in("  Rojo\n\n Azul " + larga + "\n");
  std::ostringstream out;
  consola::Entrada entrada(in, out);
  EXPECT_EQ(entrada.palabra(9), "Rojo");
  EXPECT_EQ(entrada.palabra(9), "Azul");
  std::string palabra;
  EXPECT_TRUE(entrada.leerPalabra(palabra, larga.size()));
  EXPECT_EQ(palabra, larga);
  EXPECT_FALSE(entrada.leerPalabra(palabra, larga.size()));
  EXPECT_EQ(palabra, larga) << "a failed read leaves the word alone";
  EXPECT_THROW(entrada.palabra(9), consola::FinDeEntrada);
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
