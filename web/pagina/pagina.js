// La página: la lista de los programas y, con ?programa=NOMBRE, la lección
// de ese programa: el programa corriendo en un terminal, sus sesiones de
// ejemplo y su código. Al acabar, ofrece empezarlo de nuevo.
//
// PROGRAMAS viene de programas.js, que escribe la compilación; Terminal
// (xterm.js) y openpty (xterm-pty) de sus bibliotecas; crearPrograma, del
// script del programa (programas/NOMBRE.js), que index.html empieza a cargar
// (cargaDelPrograma), y LECCION, del de su lección (lecciones/NOMBRE.js),
// que se carga con cargarScript, de index.html.
(() => {
  const $ = (id) => document.getElementById(id);

  function mostrarLista(actual) {
    const lista = $('programas');
    for (const { nombre, descripcion } of PROGRAMAS) {
      const enlace = document.createElement('a');
      enlace.href = `?programa=${nombre}`;
      enlace.textContent = nombre;
      if (nombre === actual) enlace.setAttribute('aria-current', 'page');
      const elemento = document.createElement('li');
      elemento.append(enlace, `: ${descripcion}`);
      lista.append(elemento);
    }
  }

  function avisar(texto) {
    $('aviso').textContent = texto;
    $('aviso').hidden = false;
  }

  function describir(resultado) {
    if (resultado.senal === 'SIGINT') return 'El programa se ha interrumpido (Ctrl+C).';
    if (resultado.senal === 'SIGQUIT') return 'El programa se ha interrumpido (Ctrl+\\).';
    if (resultado.fallo) return `El programa ha fallado (detalle técnico: ${resultado.fallo}).`;
    return `El programa ha terminado (estado de salida ${resultado.estado}).`;
  }

  const nombre = new URLSearchParams(location.search).get('programa');
  mostrarLista(nombre);
  if (nombre === null) return;
  if (!PROGRAMAS.some((programa) => programa.nombre === nombre)) {
    avisar(`No hay ningún programa llamado «${nombre}». Elige uno de la lista.`);
    return;
  }
  document.title = `${nombre} · Consolas`;
  $('nombre').textContent = nombre;
  if (typeof WebAssembly !== 'object') {
    avisar(
      'Este navegador no puede ejecutar los programas (no tiene WebAssembly). ' +
        'Prueba con una versión reciente de Chrome, Edge o Firefox.',
    );
    return;
  }

  // Con el modo de lector de pantalla, xterm.js pone las filas del terminal
  // en el árbol de accesibilidad y anuncia lo que escribe el programa. Sus
  // textos, en español, antes de abrirlo.
  Terminal.strings.promptLabel = 'Entrada del terminal';
  Terminal.strings.tooMuchOutput =
    'Hay demasiada salida para leerla entera; recorre las filas del terminal para leer el resto.';
  const terminal = new Terminal({
    cols: 80,
    rows: 24,
    cursorBlink: true,
    fontFamily: '"DejaVu Sans Mono", "Liberation Mono", Consolas, monospace',
    fontSize: 15,
    screenReaderMode: true,
  });
  terminal.open($('terminal'));
  terminal.textarea.setAttribute('aria-describedby', 'salir');
  tomarTextoSinTecla();
  nombrarPantalla();
  const { master, slave } = openpty();
  terminal.loadAddon(master);
  $('consola').hidden = false;
  document.body.classList.add('leccion-abierta');

  const consolas = {
    terminal,
    ejecucion: null,
    reproductor: null,
    // Los milisegundos del reproductor entre dos caracteres y antes de cada
    // respuesta: el ritmo de alguien que teclea mientras la clase lee.
    ritmo: { tecla: 90, pausa: 700 },
    empezar,
  };
  window.consolas = consolas;
  // Se cumple cuando el programa espera por primera vez: su primera pantalla
  // está en el terminal.
  let haEsperado;
  const primeraEspera = new Promise((listo) => { haEsperado = listo; });

  // En el modo de lector de pantalla, xterm.js no toma el texto que llega sin
  // tecla pulsada (el de un dictado, un selector de emojis o algunos
  // teclados de móvil): solo el de las teclas, que ya ha enviado al
  // pulsarlas, para no enviarlo dos veces. Aquí se envía ese texto que
  // llega solo. Tras una tecla pulsada, el texto es suyo y no se toca.
  function tomarTextoSinTecla() {
    let tecla = false;
    terminal.textarea.addEventListener('keydown', () => { tecla = true; }, true);
    terminal.textarea.addEventListener('keyup', () => { tecla = false; }, true);
    terminal.textarea.addEventListener('input', (evento) => {
      if (evento.inputType === 'insertText' && evento.data && !tecla && terminal.options.screenReaderMode) {
        terminal.input(evento.data);
      }
    });
  }

  // La lista de las filas del terminal, con nombre, como la ve un lector
  // de pantalla.
  function nombrarPantalla() {
    terminal.element.querySelector('.xterm-accessibility-tree')?.setAttribute('aria-label', 'Pantalla del terminal');
  }

  // xterm.js anuncia como mucho 21 líneas desde la última tecla pulsada en
  // el terminal. Lo que teclea el reproductor no son teclas pulsadas: antes
  // de cada una de sus respuestas, y al empezar de nuevo, se cuenta desde
  // cero, como tras una tecla. Tras una salida larga, ya vuelve el modo solo.
  function reiniciarAnuncios() {
    if (callado) return;
    terminal.options.screenReaderMode = false;
    terminal.options.screenReaderMode = true;
    nombrarPantalla();
  }

  // Una salida larga no se anuncia entera. xterm.js guarda cada carácter
  // escrito para anunciarlo, hasta 21 saltos de línea pero sin límite de
  // caracteres: una línea de 100.000 números (growstack) ocuparía decenas de
  // MB y nadie podría escucharla. Pasados LARGA bytes desde la última espera
  // del programa, el modo de lector de pantalla se apaga; cuando el terminal
  // lleva un momento sin nada que mostrar (xterm-pty le da la salida a
  // trozos), vuelve: las filas vuelven al árbol de accesibilidad y se anuncia
  // solo la última línea de la pantalla, con la forma de leer el resto.
  const LARGA = 4000;
  let escritos = 0;
  let callado = null;
  function antesDeEscribir(bytes) {
    escritos += bytes.length;
    if (escritos > LARGA && !callado) {
      terminal.options.screenReaderMode = false;
      callado = { bytes: 0, plazo: null };
    }
    if (callado) callado.bytes = escritos;
  }
  function alEsperar() {
    escritos = 0;
    haEsperado();
  }
  terminal.onWriteParsed(() => {
    if (!callado) return;
    clearTimeout(callado.plazo);
    callado.plazo = setTimeout(() => {
      const { bytes } = callado;
      callado = null;
      reiniciarAnuncios();
      const pantalla = terminal.buffer.active;
      let ultima = '';
      for (let i = pantalla.length - 1; i >= 0 && ultima === ''; i--) {
        ultima = pantalla.getLine(i).translateToString(true).trim();
      }
      $('anuncio').textContent = `Salida larga (${bytes} bytes): recorre las filas del terminal ` +
        `para leerla entera. Termina con: ${ultima}`;
    }, 100);
  });

  // Tab y casi todas las teclas son del programa, así que Esc y Mayús+Tab
  // sacan el foco del terminal, al control siguiente o al anterior, y no
  // llegan al programa (ninguno las necesita: a una pregunta, Esc solo
  // escribiría un carácter de control, y una pausa acepta cualquier otra
  // tecla). Otra tecla pulsada en el terminal mientras se reproduce un
  // ejemplo lo para, y quien teclea sigue a mano desde ahí.
  terminal.attachCustomKeyEventHandler((evento) => {
    const sentido = { Escape: 1, Tab: evento.shiftKey ? -1 : 0 }[evento.key] ?? 0;
    if (sentido !== 0) {
      if (evento.type === 'keydown') {
        evento.preventDefault();
        enfocarVecino(terminal.element, sentido);
      }
      return false;
    }
    if (evento.type === 'keydown' && !['Shift', 'Control', 'Alt', 'Meta'].includes(evento.key)) {
      consolas.reproductor?.parar();
    }
    return true;
  });

  // Enfoca el primer control que sigue a `elemento` (sentido 1) o el último
  // que lo precede (-1), en el orden del documento.
  function enfocarVecino(elemento, sentido) {
    const controles = [...document.querySelectorAll('a[href], button, select, [tabindex="0"]')]
      .filter((control) => !control.disabled && control.offsetParent !== null && !elemento.contains(control));
    const orden = sentido > 0 ? Node.DOCUMENT_POSITION_FOLLOWING : Node.DOCUMENT_POSITION_PRECEDING;
    const lado = controles.filter((control) => elemento.compareDocumentPosition(control) & orden);
    (sentido > 0 ? lado[0] : lado[lado.length - 1])?.focus();
  }

  // Una ejecución nueva del programa, con el foco en el terminal salvo que
  // la empiece un ejemplo (entonces el foco sigue en su botón). La que
  // hubiera y no hubiese acabado se abandona, como un intérprete de órdenes
  // mata un programa: no se despierta más y deja el terminal en su modo.
  function empezar({ enfocar = true } = {}) {
    consolas.reproductor?.parar();
    consolas.reproductor = null;
    const anterior = consolas.ejecucion;
    consolas.ejecucion = null;
    anterior?.terminar({ senal: 'SIGKILL' });
    $('fin').hidden = true;
    escritos = 0;
    if (callado) clearTimeout(callado.plazo);
    callado = null;
    $('anuncio').textContent = '';
    if (anterior) {
      terminal.reset();
      reiniciarAnuncios();
    }
    if (enfocar) terminal.focus();
    const ejecucion = new Ejecucion(window.crearPrograma, slave, terminal, (resultado) => {
      // Un programa que termina sin haber esperado nunca (uno que falla al
      // arrancar) también deja pedir la lección.
      haEsperado();
      if (consolas.ejecucion !== ejecucion) return;
      $('fin-texto').textContent = describir(resultado);
      $('fin').hidden = false;
      $('otra-vez').focus();
      mostrarEstadoDelEjemplo();
    }, { antesDeEscribir, alEsperar });
    consolas.ejecucion = ejecucion;
    mostrarEstadoDelEjemplo();
  }

  // Los ejemplos: el elegido se teclea en una ejecución nueva; mientras esa
  // ejecución dure, los botones siguen con él donde se quedó.
  function prepararEjemplos(ejemplos) {
    for (const [i, { nombre: titulo }] of ejemplos.entries()) {
      $('ejemplo').append(new Option(titulo, String(i)));
    }
    const reproductor = () => {
      const elegido = ejemplos[Number($('ejemplo').value)];
      const actual = consolas.reproductor;
      if (actual && actual.ejemplo === elegido && !consolas.ejecucion.resultado) return actual;
      empezar({ enfocar: false });
      consolas.reproductor = Object.assign(new Reproductor({
        ejecucion: consolas.ejecucion,
        terminal,
        entrada: elegido.entrada,
        ritmo: consolas.ritmo,
        alCambiar: mostrarEstadoDelEjemplo,
        alEmpezarRespuesta: reiniciarAnuncios,
      }), { ejemplo: elegido });
      return consolas.reproductor;
    };
    $('siguiente').addEventListener('click', () => reproductor().siguienteRespuesta());
    $('hasta-el-final').addEventListener('click', () => reproductor().hastaElFinal());
    $('parar').addEventListener('click', () => consolas.reproductor?.parar());
    mostrarEstadoDelEjemplo();
    $('ejemplos').hidden = false;
  }

  // Dice por dónde va el ejemplo cuando el reproductor empieza o se para.
  // «Parar» solo hace algo mientras teclea; no se desactiva del todo para
  // que el foco no se pierda al pulsarlo.
  function mostrarEstadoDelEjemplo() {
    const reproductor = consolas.reproductor;
    $('parar').setAttribute('aria-disabled', String(!reproductor?.tecleando));
    if (!reproductor) {
      $('estado-del-ejemplo').textContent = '';
      return;
    }
    const { ejemplo, tecleadas, total } = reproductor;
    let estado = `«${ejemplo.nombre}»: `;
    if (reproductor.tecleando) {
      estado += 'tecleando…';
    } else {
      estado += `${Math.min(tecleadas, total)} de ${total} respuestas tecleadas`;
      if (tecleadas > total) estado += ' y el fin de la entrada (Ctrl+D)';
      estado += consolas.ejecucion.resultado ? '; el programa ha terminado.' : '.';
    }
    $('estado-del-ejemplo').textContent = estado;
  }

  $('otra-vez').addEventListener('click', () => empezar());
  // La lección se pide cuando el programa ya espera en su primera pantalla
  // (o no ha podido cargarse, o ha terminado antes): así no la retrasa. Con ella, el código; y los
  // ejemplos, si el programa, en el que se teclean, ha cargado.
  window.cargaDelPrograma.then((cargado) => {
    if (cargado) {
      empezar();
    } else {
      avisar(`No se ha podido cargar el programa ${nombre}.`);
      haEsperado();
    }
  });
  primeraEspera.then(() => window.cargarScript('lecciones')).then(async (cargada) => {
    if (!cargada) return;
    $('codigo').hidden = false;
    mostrarCodigo($('ficheros'), $('fichero'), LECCION.codigo);
    if (await window.cargaDelPrograma) prepararEjemplos(LECCION.ejemplos);
  });
})();
