#include "consola/Entrada.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cstddef>
#include <optional>
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
  const char* resto;  // la palabra siguiente que queda en el flujo, o ""
};

// `leido` falso: la entrada se acaba sin dar el número.
TEST(Entrada, LeerEnteroRecuperaTrasUnDatoNoValido) {
  const CasoEntero casos[] = {
      {"  42 resto\n", true, 42, 0, "resto"},
      {"\n\n  -7\n", true, -7, 0, ""},
      {"abc\n7\n", true, 7, 1, ""},
      {"abc def 9\n8\n", true, 8, 1, ""},  // se va la línea mala entera
      {"99999999999\n-3\n", true, -3, 1, ""},
      {"-99999999999\n2147483647\n", true, 2147483647, 1, ""},
      {"-\n+\n5 x\n", true, 5, 2, "x"},
      {"12abc\n", true, 12, 0, "abc"},  // el número acaba con sus cifras
      // Un entero no admite coma decimal: la coma lo termina y se queda.
      {"2,5\n", true, 2, 0, ",5"},
      {",5\n7\n", true, 7, 1, ""},
      {"12%\n", true, 12, 0, "%"},
      // Sin hexadecimal: de "0x10" se lee el 0.
      {"0x10\n", true, 0, 0, "x10"},
      {"-2147483648 x\n", true, -2147483647 - 1, 0, "x"},
      {"2147483648\n5\n", true, 5, 1, ""},
      {"inf\n3\n", true, 3, 1, ""},
      {"", false, 0, 0, ""},
      {"   \n \n", false, 0, 0, ""},
      {"abc", false, 0, 1, ""},  // una última línea mala sin salto de línea
      // Una respuesta cortada por el fin sigue siendo una respuesta mala.
      {"-", false, 0, 1, ""},
      {"99999999999", false, 0, 1, ""},
      {"x\ny\n", false, 0, 2, ""},
  };
  for (const CasoEntero& caso : casos) {
    std::istringstream in(caso.entrada);
    std::ostringstream out;
    consola::Entrada entrada(in, out);
    const std::optional<int> valor = entrada.enteroOFin();
    EXPECT_EQ(valor.has_value(), caso.leido) << caso.entrada;
    if (caso.leido && valor) {
      EXPECT_EQ(*valor, caso.valor) << caso.entrada;
    }
    EXPECT_EQ(out.str(), avisos(caso.avisos)) << caso.entrada;
    std::string resto;
    in.clear();
    in >> resto;
    EXPECT_EQ(resto, caso.resto) << caso.entrada;
  }
}

// real() lanza FinDeEntrada al acabarse la entrada; aquí eso es un vacío.
std::optional<float> realOFin(consola::Entrada& entrada) {
  try {
    return entrada.real();
  } catch (const consola::FinDeEntrada&) {
    return std::nullopt;
  }
}

std::optional<float> porcentajeOFin(consola::Entrada& entrada) {
  return entrada.porcentajeOFin();
}

TEST(Entrada, LeerRealAceptaSoloNumeros) {
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
    const std::optional<float> valor = realOFin(entrada);
    EXPECT_EQ(valor.has_value(), caso.leido) << caso.entrada;
    if (caso.leido && valor) {
      EXPECT_FLOAT_EQ(*valor, caso.valor) << caso.entrada;
    }
    EXPECT_EQ(out.str(), avisos(caso.avisos)) << caso.entrada;
  }
}

// Todo lo que una lectura dejó en el flujo.
std::string restoDe(std::istream& in) {
  in.clear();
  std::ostringstream resto;
  resto << in.rdbuf();
  return resto.str();
}

// Una lectura de un número real: lo que da y lo que deja.
struct CasoReal {
  std::string entrada;
  bool leido;
  float valor;
  int avisos;
  std::string resto;  // todo lo que queda en el flujo
};

void comprobarReal(const CasoReal& caso,
                   std::optional<float> (*leer)(consola::Entrada&)) {
  std::istringstream in(caso.entrada);
  std::ostringstream out;
  consola::Entrada entrada(in, out);
  const std::string muestra = caso.entrada.substr(0, 40);
  const std::optional<float> valor = leer(entrada);
  EXPECT_EQ(valor.has_value(), caso.leido) << muestra;
  if (caso.leido && valor) {
    EXPECT_FLOAT_EQ(*valor, caso.valor) << muestra;
  }
  EXPECT_EQ(out.str(), avisos(caso.avisos)) << muestra;
  EXPECT_EQ(restoDe(in), caso.resto) << muestra;
}

// La coma decimal y la regla de los números reales, la misma en todas las
// plataformas (la de libstdc++ en Linux): dónde acaba un número y lo que
// queda detrás.
TEST(Entrada, LeerRealConComaDecimal) {
  const CasoReal casos[] = {
      {"2,5\n", true, 2.5F, 0, "\n"},
      {"2.5\n", true, 2.5F, 0, "\n"},
      {",5\n", true, 0.5F, 0, "\n"},
      {"-,5 x\n", true, -0.5F, 0, " x\n"},
      {"1,5e2\n", true, 150.0F, 0, "\n"},
      {"2,5", true, 2.5F, 0, ""},
      // Una coma sin una cifra detrás termina el número y se queda.
      {"2,\n", true, 2.0F, 0, ",\n"},
      {"2,x\n", true, 2.0F, 0, ",x\n"},
      {"2, 5\n", true, 2.0F, 0, ", 5\n"},
      {"2,,5\n", true, 2.0F, 0, ",,5\n"},
      {"2,", true, 2.0F, 0, ","},
      // Una segunda marca decimal, coma o punto, también lo termina.
      {"2.5,3\n", true, 2.5F, 0, ",3\n"},
      {"2,5,3\n", true, 2.5F, 0, ",3\n"},
      {"2,5.3\n", true, 2.5F, 0, ".3\n"},
      {"1e5,5\n", true, 100000.0F, 0, ",5\n"},
      {",\n3\n", true, 3.0F, 1, "\n"},
      {"1e,5\n3\n", true, 3.0F, 1, "\n"},
      // La regla de los números reales.
      {"1e5 x\n", true, 100000.0F, 0, " x\n"},
      {"1E+2x\n", true, 100.0F, 0, "x\n"},
      {"1e-2\n", true, 0.01F, 0, "\n"},
      {"+.5\n", true, 0.5F, 0, "\n"},
      {"00.5\n", true, 0.5F, 0, "\n"},
      {"1.2.3\n", true, 1.2F, 0, ".3\n"},
      {"1e5e3\n", true, 100000.0F, 0, "e3\n"},
      {"1-2\n", true, 1.0F, 0, "-2\n"},
      {"0x1A\n", true, 0.0F, 0, "x1A\n"},  // sin hexadecimal
      {"0x10\n", true, 0.0F, 0, "x10\n"},
      {"1e-999\n", true, 0.0F, 0, "\n"},   // demasiado pequeño es 0, no error
      {"1e-45\n", true, 1e-45F, 0, "\n"},  // o el menor float que hay
      {"1.e2\n", true, 100.0F, 0, "\n"},
      {"1e\n4\n", true, 4.0F, 1, "\n"},
      {"1e+ 9\n4\n", true, 4.0F, 1, "\n"},
      {"-\n4\n", true, 4.0F, 1, "\n"},
      {"+-1\n4\n", true, 4.0F, 1, "\n"},
      {".\n4\n", true, 4.0F, 1, "\n"},
      {".e1\n4\n", true, 4.0F, 1, "\n"},
      // Ni infinitos ni NaN, que no son números, ni valores que no caben.
      {"inf\n4\n", true, 4.0F, 1, "\n"},
      {"-inf\n4\n", true, 4.0F, 1, "\n"},
      {"INF\n4\n", true, 4.0F, 1, "\n"},
      {"nan\n4\n", true, 4.0F, 1, "\n"},
      {"3.5e38\n4\n", true, 4.0F, 1, "\n"},
      {"-1e39\n4\n", true, 4.0F, 1, "\n"},
      {"e5\n4\n", true, 4.0F, 1, "\n"},
      // Cortada por el fin de la entrada: una respuesta mala, y el fin.
      {"1e", false, 0.0F, 1, ""},
      {",", false, 0.0F, 1, ""},
  };
  for (const CasoReal& caso : casos) {
    comprobarReal(caso, realOFin);
  }
}

// Hasta kLargoMaximoNumero caracteres, un número real se lee con su regla de
// siempre; uno más largo no es número, y se va el resto de su línea.
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
      {unos + "\n7\n", true, 7.0F, 1, "\n"},  // fuera de rango, como siempre
      // Un carácter más: no es número.
      {ceros + "1 2\n7\n", true, 7.0F, 1, "\n"},
      {"-" + ceros + "\n7\n", true, 7.0F, 1, "\n"},
      {ceros + ",5\n7\n", true, 7.0F, 1, "\n"},
      {ceros + ceros + "1", false, 0.0F, 1, ""},
  };
  for (const CasoReal& caso : casos) {
    comprobarReal(caso, realOFin);
  }
}

// Un '%' pegado detrás del número es parte de la respuesta; en cualquier otro
// sitio no.
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
    comprobarReal(caso, porcentajeOFin);
  }
}

// Un entero de cualquier longitud se lee sin guardar ninguna de sus cifras.
TEST(Entrada, LeerEnteroDeCualquierLongitud) {
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
    EXPECT_EQ(entrada.enteroOFin(), std::optional<int>(caso.valor));
    EXPECT_EQ(out.str(), avisos(caso.avisos));
    EXPECT_EQ(restoDe(in), caso.resto);
  }
}

// Una palabra guarda sus primeros bytes hasta el límite, nunca parte de una
// letra; el resto se lee y se tira, y lo que la sigue se queda.
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
      // Letras de tres y de cuatro bytes.
      {"abcdefgh\xE2\x82\xAC resto", 9, "abcdefgh"},
      {"abcdefgh\xE2\x82\xAC resto", 10, "abcdefgh"},
      {"abcdefgh\xE2\x82\xAC resto", 11, "abcdefgh\xE2\x82\xAC"},
      {"abcdef\xF0\x9F\x98\x80 resto", 9, "abcdef"},
      {"abcdef\xF0\x9F\x98\x80 resto", 7, "abcdef"},
      // Los bytes que no son una letra UTF-8 se guardan hasta el límite.
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
    EXPECT_EQ(entrada.palabraOFin(caso.maximo),
              std::optional<std::string>(caso.palabra))
        << caso.entrada;
    EXPECT_EQ(restoDe(in), " resto") << caso.entrada;
  }

  std::istringstream in("Amarill\xC3\xB3n");
  std::ostringstream out;
  consola::Entrada entrada(in, out);
  EXPECT_EQ(entrada.palabra(9), "Amarill\xC3\xB3");
  EXPECT_EQ(entrada.palabraOFin(9), std::nullopt) << "al final no hay palabra";
  EXPECT_THROW(entrada.palabra(9), consola::FinDeEntrada);
  EXPECT_EQ(out.str(), "");
}

#ifndef _WIN32
// Entrega una respuesta de `largo` copias de `relleno`, un bloque cada vez, y
// luego `despues`, sin guardar nunca la respuesta entera.
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

// La mayor memoria residente de este proceso hasta ahora, en KiB.
long picoDeMemoria() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss;
}

// Una palabra o un número real de 128 MiB pasa por una lectura sin
// guardarse: el pico de memoria del proceso no crece en su tamaño.
TEST(Entrada, UnaRespuestaLargaNoSeGuarda) {
  constexpr std::size_t kLargo = std::size_t{128} << 20;
  constexpr long kCrecimientoMaximo = 16 << 10;  // KiB
  const long antes = picoDeMemoria();
  {
    RespuestaLarga buffer('x', kLargo, " Rojo\n");
    std::istream in(&buffer);
    std::ostringstream out;
    consola::Entrada entrada(in, out);
    // Se compara sin imprimirla, por si fuera larga.
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
  EXPECT_EQ(entrada.palabraOFin(larga.size()),
            std::optional<std::string>(larga));
  EXPECT_EQ(entrada.palabraOFin(larga.size()), std::nullopt);
  EXPECT_THROW(entrada.palabra(9), consola::FinDeEntrada);
  EXPECT_EQ(out.str(), "");
}

// Las dos formas de las mismas lecturas: las que deben dar un valor lanzan
// FinDeEntrada al final; las ...OFin() quedan vacías.
TEST(Entrada, AlFinalLanzanOQuedanVacias) {
  std::istringstream in("1 2.5 Rojo 3 4% Azul");
  std::ostringstream out;
  consola::Entrada entrada(in, out);
  EXPECT_EQ(entrada.entero(), 1);
  EXPECT_FLOAT_EQ(entrada.real(), 2.5F);
  EXPECT_EQ(entrada.palabra(9), "Rojo");
  EXPECT_EQ(entrada.enteroOFin(), std::optional<int>(3));
  EXPECT_EQ(entrada.porcentajeOFin(), std::optional<float>(4.0F));
  EXPECT_EQ(entrada.palabraOFin(9), std::optional<std::string>("Azul"));
  EXPECT_THROW(entrada.entero(), consola::FinDeEntrada);
  EXPECT_THROW(entrada.real(), consola::FinDeEntrada);
  EXPECT_THROW(entrada.palabra(9), consola::FinDeEntrada);
  EXPECT_EQ(entrada.enteroOFin(), std::nullopt);
  EXPECT_EQ(entrada.porcentajeOFin(), std::nullopt);
  EXPECT_EQ(entrada.palabraOFin(9), std::nullopt);
  EXPECT_EQ(out.str(), "");
}

}  // namespace
