// Los programas en un terminal de verdad: cada caso ejecuta uno de ellos en
// un pseudoterminal propio, le teclea una de sus transcripciones, cada
// respuesta solo cuando el programa la espera, y da cuenta, en orden, de cada
// byte que muestra el terminal: la salida del programa, el eco de lo
// tecleado, los borrados de pantalla y las pausas, hasta su final.
//
// Cada programa de la lista de la compilación (CONSOLAS_PROGRAMAS) ha de
// tener aquí al menos un caso; si no, la prueba CasosEnTerminal lo dice.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <termios.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "TerminalDePrueba.h"

namespace {

// El borrado de pantalla en un terminal con control del cursor.
const std::string kLimpiar = "\x1b[H\x1b[2J\x1b[3J";

// Lo que cambia, si se pide, en cómo se teclea una transcripción.
enum class Variante {
  kNormal,
  kCtrlZ,       // Ctrl+Z en la primera pausa: el programa se para con el
                // terminal en su modo normal y, al seguir, la pausa repite
                // su aviso en una línea propia y espera otra vez
  kAdelantada,  // en la segunda espera se teclea todo lo que queda, con el
                // fin de la entrada, de una vez
  kSinBloqueo,  // el terminal empieza sin bloqueo (O_NONBLOCK), como lo
                // dejaría otro programa
};

// Un caso: su nombre, el programa (como se llama en CONSOLAS_PROGRAMAS), la
// transcripción que se teclea, las teclas de sus pausas, por turno, y la
// variante.
struct Caso {
  const char* nombre;
  const char* programa;
  const char* transcripcion;
  std::vector<std::string> teclas;
  Variante variante = Variante::kNormal;
};

void PrintTo(const Caso& caso, std::ostream* salida) { *salida << caso.nombre; }

// `texto` con sus caracteres de control a la vista, para los mensajes.
std::string visible(const std::string& texto) {
  std::string legible;
  for (const char c : texto) {
    if (c == '\x1b') {
      legible += "\\e";
    } else if (c == '\r') {
      legible += "\\r";
    } else if (c == '\n') {
      legible += "\\n\n";
    } else {
      legible += c;
    }
  }
  return legible;
}

std::string leer(const std::string& ruta) {
  std::ifstream fichero(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(fichero), {});
}

// Una transcripción tecleada en el terminal de su programa: cada línea de
// su entrada cuando el programa espera una línea, una tecla cuando espera
// la de una pausa, y un fin de entrada (Ctrl+D) cuando ya no quedan líneas.
// Lo que escribe el programa ha de ser la salida de la transcripción, con
// el borrado de pantalla en lugar del salto de página, y el terminal ha de
// mostrarlo con el eco de lo tecleado en su sitio.
class Recorrido {
 public:
  explicit Recorrido(const Caso& caso) : caso_(caso) {
    const std::string base = std::string(CARPETA_PRUEBAS) + "/" +
                             caso.programa + "/transcripts/" +
                             caso.transcripcion;
    const std::string escrito = leer(base + ".in");
    std::istringstream entrada(escrito);
    for (std::string linea; std::getline(entrada, linea);) {
      lineas_.push_back(linea + "\n");
    }
    if (!lineas_.empty() && escrito.back() != '\n') {
      parcial_ = lineas_.back().substr(0, lineas_.back().size() - 1);
      lineas_.pop_back();
    }
    std::string salida = leer(base + ".out");
    for (size_t donde; (donde = salida.find('\f')) != std::string::npos;) {
      salida.replace(donde, 1, kLimpiar);
    }
    esperado_ = enTerminal(salida);
    partida_ = terminal_.modo();
    Arranque arranque;
    arranque.sinBloqueo = caso.variante == Variante::kSinBloqueo;
    lanzado_ =
        terminal_.abierta() &&
        terminal_.lanzar({std::string(CARPETA_PROGRAMAS) + "/" + caso.programa},
                         arranque);
  }

  Recorrido(const Recorrido&) = delete;
  Recorrido& operator=(const Recorrido&) = delete;

  bool lanzado() const { return lanzado_; }

  // Lleva el programa hasta su final; se detiene en el primer fallo.
  void recorrer() {
    for (int esperas = 1;; ++esperas) {
      const bool espera = terminal_.esperarEspera();
      ASSERT_NO_FATAL_FAILURE(mostrado());
      if (!espera) {
        termina();
        return;
      }
      const tcflag_t lineas = terminal_.modo().c_lflag;
      if ((lineas & ICANON) == 0) {
        ASSERT_EQ(lineas & ECHO, 0u) << "la pausa hace eco";
        ASSERT_NE(lineas & ISIG, 0u) << "Ctrl+C debe seguir interrumpiendo";
        if (caso_.variante == Variante::kCtrlZ && !parado_) {
          ASSERT_NO_FATAL_FAILURE(pararYSeguir());
        } else {
          terminal_.teclear(caso_.teclas[pausas_++ % caso_.teclas.size()]);
        }
        continue;
      }
      ASSERT_EQ(lineas, partida_.c_lflag) << "no está en el modo normal";
      std::string texto;
      if (caso_.variante == Variante::kAdelantada && esperas == 2) {
        for (const std::string& linea : lineas_) {
          texto += linea;
        }
        lineas_.clear();
        texto += parcial_.empty() ? "\x04" : parcial_ + "\x04\x04";
      } else if (!lineas_.empty()) {
        texto = lineas_.front();
        lineas_.erase(lineas_.begin());
      } else {
        texto = parcial_ + "\x04";
        parcial_.clear();
      }
      terminal_.teclear(texto);
      ASSERT_NO_FATAL_FAILURE(eco(texto));
    }
  }

 private:
  // Lo mostrado desde la última comprobación es lo que sigue de la salida
  // esperada.
  void mostrado() {
    const std::string nuevo = terminal_.salida().substr(visto_);
    ASSERT_EQ(esperado_.compare(hecho_, nuevo.size(), nuevo), 0)
        << "se esperaba a continuación:\n"
        << visible(esperado_.substr(hecho_, nuevo.size()))
        << "\nse mostró a continuación:\n"
        << visible(nuevo);
    hecho_ += nuevo.size();
    visto_ += nuevo.size();
  }

  // A continuación llega `texto`, que no es de la salida esperada: el eco de
  // lo tecleado o el aviso repetido tras Ctrl+Z.
  void eco(const std::string& texto) {
    const std::string esperado = enTerminal(texto);
    terminal_.esperarSalida(esperado, TerminalDePrueba::kEsperaMs, visto_);
    ASSERT_EQ(terminal_.salida().compare(visto_, esperado.size(), esperado), 0)
        << "se esperaba a continuación:\n"
        << visible(esperado) << "\nse mostró a continuación:\n"
        << visible(terminal_.salida().substr(visto_));
    visto_ += esperado.size();
  }

  // Ctrl+Z durante la pausa: parado, el terminal ha de estar en su modo
  // normal; al continuar, la pausa vuelve al modo de tecla y repite su aviso,
  // la última línea mostrada, en una línea propia bajo las del intérprete de
  // órdenes.
  void pararYSeguir() {
    parado_ = true;
    terminal_.teclear("\x1a");
    int estado = 0;
    ASSERT_TRUE(terminal_.esperarEstado(estado)) << "no se paró";
    ASSERT_TRUE(WIFSTOPPED(estado) && WSTOPSIG(estado) == SIGTSTP)
        << "estado " << estado;
    const termios parado = terminal_.modo();
    EXPECT_EQ(parado.c_iflag, partida_.c_iflag);
    EXPECT_EQ(parado.c_oflag, partida_.c_oflag);
    EXPECT_EQ(parado.c_lflag, partida_.c_lflag);
    EXPECT_EQ(parado.c_cc[VMIN], partida_.c_cc[VMIN]);
    EXPECT_EQ(parado.c_cc[VTIME], partida_.c_cc[VTIME]);
    terminal_.enviarSenal(SIGCONT);
    ASSERT_TRUE(terminal_.esperarModo(true))
        << "sin modo de tecla tras continuar";
    const std::string& salida = terminal_.salida();
    const size_t linea = salida.rfind('\n', visto_ - 1) + 1;
    ASSERT_NO_FATAL_FAILURE(eco("\n" + salida.substr(linea, visto_ - linea)));
  }

  void termina() {
    int estado = 0;
    const bool terminado = terminal_.esperarEstado(estado);
    terminal_.recogerSalida(20);
    ASSERT_TRUE(terminado) << "no terminó; se mostró:\n"
                           << visible(terminal_.salida().substr(visto_));
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0)
        << "estado " << estado;
    ASSERT_NO_FATAL_FAILURE(mostrado());
    EXPECT_EQ(hecho_, esperado_.size()) << "falta al final:\n"
                                        << visible(esperado_.substr(hecho_));
    EXPECT_EQ(terminal_.sinBloqueo(), caso_.variante == Variante::kSinBloqueo)
        << "el programa cambió las marcas del terminal";
  }

  const Caso& caso_;
  TerminalDePrueba terminal_;
  termios partida_{};  // el modo del terminal antes de arrancar el programa
  bool lanzado_;
  std::vector<std::string> lineas_;  // las líneas de la entrada que quedan
  std::string parcial_;   // lo que sigue a la última línea sin fin de línea
  std::string esperado_;  // la salida de la transcripción, en el terminal
  size_t hecho_ = 0;      // lo que ya se ha visto de `esperado_`
  size_t visto_ = 0;      // lo que ya se ha comprobado de lo mostrado
  size_t pausas_ = 0;     // las teclas ya pulsadas en las pausas
  bool parado_ = false;   // ya se paró con Ctrl+Z
};

// Una prueba por caso. Cada diálogo corre en un terminal con control del
// cursor, sea cual sea el TERM de quien lanza las pruebas: se espera la
// secuencia del borrado, no el salto de página de un terminal sin cursor.
class DialogoEnTerminal : public testing::TestWithParam<Caso> {
 protected:
  static void SetUpTestSuite() { setenv("TERM", "xterm", 1); }
};

// Los programas que se compilan, en el orden de la lista.
std::vector<std::string> programasDeLaCompilacion() {
  std::istringstream lista(PROGRAMAS);
  std::vector<std::string> programas;
  for (std::string programa; lista >> programa;) {
    programas.push_back(programa);
  }
  return programas;
}

TEST_P(DialogoEnTerminal, LimpiaYEsperaEnSuSitio) {
  Recorrido recorrido(GetParam());
  ASSERT_TRUE(recorrido.lanzado());
  recorrido.recorrer();
}

// Los casos de cada programa. Cada pausa va seguida de una lectura que
// tomaría por otra respuesta, o rechazaría, la tecla que la terminó si le
// llegara: una opción del menú, una línea que no lo es, un mes.
const std::vector<Caso>& casosEnTerminal() {
  static const std::vector<Caso> casos = {
      {"fixedstack", "fixedstack", "fuera_de_rango", {"x"}},
      {"fixedstack_CtrlZ", "fixedstack", "ejemplo", {"5"}, Variante::kCtrlZ},
      // El fin de la entrada tecleado antes de una pausa: la pausa espera
      // igualmente su tecla, y luego la lectura del menú halla el fin.
      {"fixedstack_CtrlD",
       "fixedstack",
       "fin_sin_salto_de_linea",
       {"x"},
       Variante::kAdelantada},
      // Sin bloqueo, cada lectura y cada escritura que no puede seguir aún
      // espera igual, sin error y sin perder nada.
      {"fixedstack_sin_bloqueo",
       "fixedstack",
       "ejemplo",
       {"x"},
       Variante::kSinBloqueo},
      {"growstack", "growstack", "parametros_cola_crece", {"3", "1", "2", "4"}},
      {"shapestack",
       "shapestack",
       "cola_tres_y_pop",
       {"q", "7", "\x1b[A", "\r"}},
      {"nodelist", "nodelist", "principio_y_fin", {"a", "\x1b[A", "4", "6"}},
      {"nodelist_borrar", "nodelist", "borrar_sin_pausa", {"6", "a", "\x1b[A"}},
      {"nodelist_buscar", "nodelist", "buscar_y_negativos", {"4", "6", "a"}},
      {"payslips",
       "payslips",
       "ejemplo_segundo_empleado",
       {"1", "\r", "x", " ", "z"}},
  };
  return casos;
}

INSTANTIATE_TEST_SUITE_P(Programas, DialogoEnTerminal,
                         testing::ValuesIn(casosEnTerminal()),
                         [](const testing::TestParamInfo<Caso>& info) {
                           return std::string(info.param.nombre);
                         });

// Un programa sin casos no se probaría en el terminal sin que nadie lo
// notara: esta comprobación lo convierte en un fallo que dice qué añadir.
testing::AssertionResult tieneCasos(const std::string& programa) {
  for (const Caso& caso : casosEnTerminal()) {
    if (caso.programa == programa) {
      return testing::AssertionSuccess();
    }
  }
  return testing::AssertionFailure()
         << programa << " no tiene ningún caso en el terminal: añádelo a "
         << "casosEnTerminal() en tests/terminal/DialogosEnTerminalTest.cpp";
}

TEST(CasosEnTerminal, CadaProgramaTieneLosSuyos) {
  const std::vector<std::string> programas = programasDeLaCompilacion();
  ASSERT_FALSE(programas.empty()) << "la lista de programas llegó vacía";
  for (const std::string& programa : programas) {
    EXPECT_TRUE(tieneCasos(programa));
  }
  // Y al revés: ningún caso es de un programa que ya no se compila.
  for (const Caso& caso : casosEnTerminal()) {
    EXPECT_NE(std::find(programas.begin(), programas.end(), caso.programa),
              programas.end())
        << "el caso " << caso.nombre << " es de " << caso.programa
        << ", que no está en CONSOLAS_PROGRAMAS";
  }
}

TEST(CasosEnTerminal, UnProgramaSinCasosNoPasa) {
  const testing::AssertionResult resultado = tieneCasos("sin_casos");
  EXPECT_FALSE(resultado);
  EXPECT_NE(std::string(resultado.message()).find("sin_casos"),
            std::string::npos)
      << resultado.message();
}

}  // namespace
