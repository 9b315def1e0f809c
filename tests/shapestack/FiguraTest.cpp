// Las figuras de shapestack: sus frases, su área, su color y lo que queda de
// ellas al copiarlas como Figura.
#include "Figura.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "Circulo.h"
#include "Cuadrado.h"
#include "Dibujar.h"
#include "SalidaCapturada.h"

namespace {

// Las tres frases de una figura listada a través de su parte Figura, en el
// orden del listado.
std::string frases(const Figura& figura) {
  SalidaCapturada salida;
  figura.visualizar();
  figura.dibujar();
  figura.colorear();
  return salida.texto();
}

TEST(Figura, FrasesDeCadaClase) {
  struct Caso {
    const char* nombre;
    const Figura& figura;
    const char* esperado;
  };
  const Circulo circulo("Azul", 2);
  const Cuadrado cuadrado("Verde", 2.5F);
  const Figura figura("Rombo", "Gris");
  const Circulo tercio("Rosa", 1.0F / 3);
  const Cuadrado grande("Negro", 1234567);
  const Caso casos[] = {
      {"circulo", circulo,
       "Figura con la forma Circulo y el color Azul\n"
       "Estoy dibujando un circulo con radio 2\n"
       "Estoy coloreando un circulo con color Azul\n"},
      {"cuadrado", cuadrado,
       "Figura con la forma Cuadrado y el color Verde\n"
       "Estoy dibujando un cuadrado con lado 2.5\n"
       "Estoy coloreando un cuadrado con el color Verde\n"},
      {"figura", figura,
       "Figura con la forma Rombo y el color Gris\n"
       "Estoy dibujando una figura con la forma Rombo\n"
       "Estoy coloreando una figura con el color Gris\n"},
      {"tercio", tercio,
       "Figura con la forma Circulo y el color Rosa\n"
       "Estoy dibujando un circulo con radio 0.333333\n"
       "Estoy coloreando un circulo con color Rosa\n"},
      {"grande", grande,
       "Figura con la forma Cuadrado y el color Negro\n"
       "Estoy dibujando un cuadrado con lado 1.23457e+06\n"
       "Estoy coloreando un cuadrado con el color Negro\n"},
  };
  for (const Caso& caso : casos) {
    EXPECT_EQ(frases(caso.figura), caso.esperado) << caso.nombre;
  }
}

// Los tamaños cero y negativos se guardan y se escriben tal cual.
TEST(Figura, TamaniosCeroYNegativos) {
  struct Caso {
    const Figura& figura;
    const char* dibujo;
    float area;
  };
  const Circulo circuloCero("Azul", 0);
  const Circulo circuloNegativo("Azul", -3);
  const Cuadrado cuadradoCero("Rojo", 0);
  const Cuadrado cuadradoNegativo("Rojo", -3);
  const Caso casos[] = {
      {circuloCero, "Estoy dibujando un circulo con radio 0\n", 0},
      {circuloNegativo, "Estoy dibujando un circulo con radio -3\n", 28.26F},
      {cuadradoCero, "Estoy dibujando un cuadrado con lado 0\n", 0},
      {cuadradoNegativo, "Estoy dibujando un cuadrado con lado -3\n", 9},
  };
  for (const Caso& caso : casos) {
    SalidaCapturada salida;
    caso.figura.dibujar();
    EXPECT_EQ(salida.texto(), caso.dibujo);
    EXPECT_EQ(caso.figura.area(), caso.area) << caso.dibujo;
  }
}

// El cuadrado usa la tabla de Figura; los números del círculo van uno por
// debajo, y el 10 da la vuelta a Blanco. Fuera de rango el color no cambia.
TEST(Figura, SetColor) {
  struct Caso {
    int n;
    const char* cuadrado;
    const char* circulo;
  };
  const Caso casos[] = {
      {0, "Gris", "Blanco"},      {1, "Blanco", "Verde"},
      {2, "Verde", "Azul"},       {3, "Azul", "Rojo"},
      {4, "Rojo", "Naranja"},     {5, "Naranja", "Violeta"},
      {6, "Violeta", "Amarillo"}, {7, "Amarillo", "Marron"},
      {8, "Marron", "Rosa"},      {9, "Rosa", "Negro"},
      {10, "Negro", "Blanco"},    {11, "Gris", "Gris"},
      {-1, "Gris", "Gris"},       {INT_MAX, "Gris", "Gris"},
      {INT_MIN, "Gris", "Gris"},
  };
  for (const Caso& caso : casos) {
    Cuadrado cuadrado("Gris", 1);
    Circulo circulo("Gris", 1);
    cuadrado.setColor(caso.n);
    circulo.setColor(caso.n);
    EXPECT_STREQ(cuadrado.getColor(), caso.cuadrado) << "n " << caso.n;
    EXPECT_STREQ(circulo.getColor(), caso.circulo) << "n " << caso.n;
  }
}

// Una Figura sin más usa la tabla sin desplazar, por el mismo método.
TEST(Figura, SetColorPorLaBase) {
  Circulo circulo("Gris", 1);
  Figura& base = circulo;
  base.setColor(1);
  EXPECT_STREQ(circulo.getColor(), "Verde");
  Figura figura("Rombo", "Gris");
  figura.setColor(1);
  EXPECT_STREQ(figura.getColor(), "Blanco");
  figura.setColor(10);
  EXPECT_STREQ(figura.getColor(), "Negro");
}

// El círculo usa 3.14 y precisión double: el radio 7 calculado en float
// daría 153.860016, y con pi el radio 1 daría 3.14159.
TEST(Figura, Area) {
  struct Caso {
    const char* nombre;
    const Figura& figura;
    float area;
  };
  const Circulo radioDos("Azul", 2);
  const Circulo radioUno("Azul", 1);
  const Circulo radioSiete("Azul", 7);
  const Circulo radioUnoUno("Azul", 1.1F);
  const Cuadrado ladoUnoMedio("Rojo", 1.5F);
  const Figura plana("Rombo", "Gris");
  const Caso casos[] = {
      {"radio 2", radioDos, 12.56F},     {"radio 1", radioUno, 3.14F},
      {"radio 7", radioSiete, 153.86F},  {"radio 1.1", radioUnoUno, 3.7994F},
      {"lado 1.5", ladoUnoMedio, 2.25F}, {"figura", plana, 0},
  };
  for (const Caso& caso : casos) {
    EXPECT_EQ(caso.figura.area(), caso.area) << caso.nombre;
  }
}

// Una figura copiada en un valor Figura conserva solo su forma y su color.
TEST(Figura, CopiaComoFiguraPlana) {
  struct Caso {
    const char* nombre;
    const Figura& original;
    const char* esperado;
  };
  Cuadrado cuadrado("Rojo", 3);
  Circulo circulo("Azul", 2);
  cuadrado.setColor(2);
  const Caso casos[] = {
      {"cuadrado", cuadrado,
       "Figura con la forma Cuadrado y el color Verde\n"
       "Estoy dibujando una figura con la forma Cuadrado\n"
       "Estoy coloreando una figura con el color Verde\n"},
      {"circulo", circulo,
       "Figura con la forma Circulo y el color Azul\n"
       "Estoy dibujando una figura con la forma Circulo\n"
       "Estoy coloreando una figura con el color Azul\n"},
  };
  for (const Caso& caso : casos) {
    Figura copia = caso.original;
    EXPECT_EQ(frases(copia), caso.esperado) << caso.nombre;
    EXPECT_EQ(copia.area(), 0) << caso.nombre;
    copia.setColor(0);  // la tabla de Figura: 0 no cambia nada
    EXPECT_STREQ(copia.getColor(), caso.original.getColor()) << caso.nombre;
  }
}

// A través de su parte Dibujar cada figura llega a sus propias frases.
TEST(Figura, PorLaParteDibujar) {
  struct Caso {
    const Dibujar& dibujo;
    const char* esperado;
  };
  const Cuadrado cuadrado("Rojo", 3);
  const Circulo circulo("Azul", 2);
  const Caso casos[] = {
      {cuadrado,
       "Estoy dibujando un cuadrado con lado 3\n"
       "Estoy coloreando un cuadrado con el color Rojo\n"},
      {circulo,
       "Estoy dibujando un circulo con radio 2\n"
       "Estoy coloreando un circulo con color Azul\n"},
  };
  for (const Caso& caso : casos) {
    SalidaCapturada salida;
    caso.dibujo.dibujar();
    caso.dibujo.colorear();
    EXPECT_EQ(salida.texto(), caso.esperado);
  }
}

// Los textos se recortan a nueve caracteres, sea cual sea su largo.
TEST(Figura, TextosLargosSeRecortan) {
  struct Caso {
    const char* color;
    const char* guardado;
  };
  const Caso casos[] = {
      {"Verdeazulado", "Verdeazul"},  // doce letras
      {"Aguamarina", "Aguamarin"},    // diez
      {"Turquesas", "Turquesas"},     // nueve, entero
      {"", ""},
      {nullptr, ""},
  };
  for (const Caso& caso : casos) {
    const Cuadrado cuadrado(caso.color, 1);
    const Circulo circulo(caso.color, 1);
    EXPECT_STREQ(cuadrado.getColor(), caso.guardado);
    EXPECT_STREQ(circulo.getColor(), caso.guardado);
  }
  const Figura figura("Paralelogramo", "Verdeazulado");
  EXPECT_STREQ(figura.getForma(), "Paralelog");
  EXPECT_STREQ(figura.getColor(), "Verdeazul");
  EXPECT_EQ(frases(Cuadrado("Verdeazulado", 1)),
            "Figura con la forma Cuadrado y el color Verdeazul\n"
            "Estoy dibujando un cuadrado con lado 1\n"
            "Estoy coloreando un cuadrado con el color Verdeazul\n");
}

}  // namespace
