<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: cannot write the reading to standard output</source>
        <translation>%1: δεν ήταν δυνατή η εγγραφή του διαβάσματος του φλιτζανιού στην τυπική έξοδο</translation>
    </message>
    <message>
        <source>A coffee-cup reading: your symbol for the day and its traditional meaning.
Without options, Brewlore opens its window.</source>
        <translation>Διάβασμα του φλιτζανιού: το σύμβολό σας για σήμερα και η παραδοσιακή του σημασία.
Χωρίς επιλογές, το Brewlore ανοίγει το παράθυρό του.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Εμφάνιση αυτής της βοήθειας και έξοδος.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Εμφάνιση της έκδοσης και έξοδος.</translation>
    </message>
    <message>
        <source>Print one reading and end: the symbol&apos;s name on one line, its meaning on the next. Needs no display.</source>
        <translation>Εκτύπωση ενός διαβάσματος του φλιτζανιού και έξοδος: το όνομα του συμβόλου σε μία γραμμή, η σημασία του στην επόμενη. Δεν χρειάζεται οθόνη.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Απρόσμενο όρισμα «%1».</translation>
    </message>
    <message>
        <source>%1: cannot write to standard output</source>
        <translation>%1: δεν ήταν δυνατή η εγγραφή στην τυπική έξοδο</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>%1: cannot open its window: %2. For a reading in this terminal, run: %1 --reading</source>
        <translation>%1: το παράθυρο δεν μπορεί να εμφανιστεί: %2. Για διάβασμα του φλιτζανιού σε αυτό το τερματικό, εκτελέστε: %1 --reading</translation>
    </message>
    <message>
        <source>its display could not be opened</source>
        <translation>δεν ήταν δυνατό να ανοίξει η οθόνη</translation>
    </message>
    <message>
        <source>%1: unknown platform &quot;%2&quot;. Available platforms: %3</source>
        <translation>%1: άγνωστη πλατφόρμα «%2». Διαθέσιμες πλατφόρμες: %3</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Χρήση: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[επιλογές]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Άγνωστη επιλογή «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Άγνωστες επιλογές: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Λείπει η τιμή μετά το «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Η επιλογή «%1» δεν δέχεται τιμή.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ε&amp;πανάληψη</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ε&amp;πανάληψη</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>Η εφαρμογή εκτελείται ήδη</translation>
    </message>
</context>
<context>
    <name>forms</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ηλεκτρονική βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Επίσκεψη στον &amp;ιστότοπό μας</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Σχετικά με το λογισμικό</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Δωρεά</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Κέρδος &amp;χρημάτων στο Διαδίκτυο</translation>
    </message>
    <message>
        <source>Quillory Softwares, such as this can be created and maintained only with your support. The best way to support Quillory is to visit Quillory regularly and take part in the discussions and other activities on the board.</source>
        <translation>Λογισμικά Quillory σαν αυτό δημιουργούνται και συντηρούνται μόνο με τη στήριξή σας. Στηρίξτε το Quillory με τον καλύτερο τρόπο: επισκεφθείτε το τακτικά και πάρτε μέρος στις συζητήσεις και δραστηριότητες του φόρουμ.</translation>
    </message>
    <message>
        <source>Visit Quillory regularly. Support Quillory by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quillory</source>
        <translation>Να επισκέπτεστε τακτικά το Quillory. Στηρίξτε το συμμετέχοντας στις συζητήσεις και σε άλλες δραστηριότητες. Χωρίς τις τακτικές επισκέψεις σας, αυτά τα λογισμικά δεν μπορούν να υποστηρίζονται και να συντηρούνται.</translation>
    </message>
    <message>
        <source>Quillory is a FREE online discussion forum for all things quillory. To help Quillory develop and maintain this software visit Quillory regularly.</source>
        <translation>Το Quillory είναι ένα ΔΩΡΕΑΝ ηλεκτρονικό φόρουμ συζητήσεων για ό,τι αφορά το quillory. Για να βοηθήσετε το Quillory να αναπτύσσει και να συντηρεί αυτό το λογισμικό, να επισκέπτεστε τακτικά το Quillory.</translation>
    </message>
    <message>
        <source>Quillory needs your help. All you need to do is visit Quillory regularly and take part in the various discussions and activites to help us maintain and develop more Quillory Softwares.</source>
        <translation>Το Quillory χρειάζεται τη βοήθειά σας. Αρκεί να το επισκέπτεστε τακτικά και να συμμετέχετε σε συζητήσεις και δραστηριότητες, ώστε να συντηρούμε και να αναπτύσσουμε περισσότερα λογισμικά Quillory.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quillory Softwares. From a single software, we have now grown to become the world’s largest resource of quillory softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Αν σας άρεσε αυτό το λογισμικό, σίγουρα θα σας ενδιαφέρουν και τα άλλα λογισμικά Quillory. Από ένα μόνο λογισμικό, γίναμε η μεγαλύτερη πηγή λογισμικών quillory στον κόσμο. Αστρολογία, διόραση, ταρό, αριθμολογία ή αποκρυφισμός: έχουμε προγράμματα για όλα, ώστε οι χρήστες μας να διαλέγουν ανάλογα με τα ενδιαφέροντά τους.</translation>
    </message>
    <message>
        <source>All the programs in the Quillory Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Όλα τα προγράμματα της σειράς λογισμικών Quillory είναι απλά και εύχρηστα. Δεν είναι μόνο διασκεδαστικά αλλά και πολύ κατατοπιστικά. Δοκιμάστε τα σήμερα και μοιραστείτε την εμπειρία σας με φίλους και οικογένεια.</translation>
    </message>
    <message>
        <source>Opens the discussion board in your web browser</source>
        <translation>Ανοίγει το φόρουμ συζητήσεων στον περιηγητή σας</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your web browser</source>
        <translation>Ανοίγει την προσφορά κοινής επωνυμίας στον περιηγητή σας</translation>
    </message>
    <message>
        <source>Opens the full-branding offer in your web browser</source>
        <translation>Ανοίγει την προσφορά πλήρους επωνυμίας στον περιηγητή σας</translation>
    </message>
    <message>
        <source>Brewlore v%1</source>
        <translation>Brewlore v%1</translation>
    </message>
</context>
<context>
    <name>forms::frmAbout</name>
    <message>
        <source>Brewlore is an effective tool, which is based on the art of reading the coffee grounds. This involves the art or practice of predicting fortunes and interpreting the near future of people from the coffee patterns.</source>
        <translation>Το Brewlore είναι ένα αποτελεσματικό εργαλείο που βασίζεται στην τέχνη του να διαβάζει κανείς το φλιτζάνι: την πρόβλεψη της τύχης και του άμεσου μέλλοντος από τα σχήματα του καφέ.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Επισκεφθείτε το %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Δουλειά από το σπίτι: δική σας επιχείρηση και κέρδη στο Διαδίκτυο. Πάρτε το&#xa0;λογισμικό με πλήρη επωνυμία του ιστότοπού σας.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Πατήστε για λεπτομέρειες</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Εντάξει</translation>
    </message>
    <message>
        <source>Opens the home page in your web browser</source>
        <translation>Ανοίγει την αρχική σελίδα στον περιηγητή σας</translation>
    </message>
    <message>
        <source>Opens the full-branding offer in your web browser</source>
        <translation>Ανοίγει την προσφορά πλήρους επωνυμίας στον περιηγητή σας</translation>
    </message>
</context>
<context>
    <name>forms::frmDisplay</name>
    <message>
        <source>Your Coffee Cup Symbol for the Day is:</source>
        <translation>Το σύμβολο του φλιτζανιού σας για σήμερα είναι:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Πίσω</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Έ&amp;λεγχος για ενημέρωση λογισμικού</translation>
    </message>
</context>
<context>
    <name>forms::frmMain</name>
    <message>
        <source>Get answers to your problems with Brewlore. Start now for immediate results!</source>
        <translation>Βρείτε απαντήσεις στα προβλήματά σας με το Brewlore. Ξεκινήστε τώρα για άμεσα αποτελέσματα!</translation>
    </message>
    <message>
        <source>Coffee pot</source>
        <translation>Μπρίκι</translation>
    </message>
    <message>
        <source>Press for your coffee cup reading of the day</source>
        <translation>Πατήστε για να δείτε τι λέει σήμερα το φλιτζάνι σας</translation>
    </message>
    <message>
        <source>Click On The Coffee Pot To Know Your Coffee Cup Reading For the Day</source>
        <translation>Πατήστε το μπρίκι για να δείτε τι λέει σήμερα το φλιτζάνι σας</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Περιμένετε</translation>
    </message>
    <message>
        <source>Your reading is being prepared: one dot a second, four in all</source>
        <translation>Το φλιτζάνι σας διαβάζεται: μία κουκκίδα το δευτερόλεπτο, τέσσερις συνολικά</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Έλεγχος για &amp;ενημέρωση λογισμικού</translation>
    </message>
</context>
<context>
    <name>forms::frmNagScreen2</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Επισκεφθείτε τώρα το %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Συστήστε το σε έναν φίλο</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Συστήστε το σε φίλο &amp;τώρα</translation>
    </message>
    <message>
        <source>Download Quillory Softwares</source>
        <translation>Κατεβάστε λογισμικά Quillory</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory Softwares</source>
        <translation>Δείτε τα λογισμικά Quillory</translation>
    </message>
    <message>
        <source>Opens the home page in your web browser; the box does not stay ticked</source>
        <translation>Ανοίγει την αρχική σελίδα στον περιηγητή σας· το πλαίσιο δεν μένει επιλεγμένο</translation>
    </message>
    <message>
        <source>Opens the Quillory Softwares page in your web browser</source>
        <translation>Ανοίγει τη σελίδα των λογισμικών Quillory στον περιηγητή σας</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Ίσως υπάρχει ενημέρωση για αυτό το λογισμικό.<byte value="xd"/>Θέλετε να ελέγξετε για ενημέρωση;</translation>
    </message>
</context>
<context>
    <name>modSymbols</name>
    <message>
        <source>ANCHOR</source>
        <translation>ΑΓΚΥΡΑ</translation>
    </message>
    <message>
        <source>This symbol stands for change and settling at a new place. </source>
        <translation>Αυτό το σύμβολο σημαίνει αλλαγή και εγκατάσταση σε νέο τόπο.</translation>
    </message>
    <message>
        <source>APPLE</source>
        <translation>ΜΗΛΟ</translation>
    </message>
    <message>
        <source>This symbol implies new birth and creation.</source>
        <translation>Αυτό το σύμβολο υποδηλώνει νέα γέννηση και δημιουργία.</translation>
    </message>
    <message>
        <source>ARCH</source>
        <translation>ΑΨΙΔΑ</translation>
    </message>
    <message>
        <source>You can gain money from business. </source>
        <translation>Μπορεί να κερδίσετε χρήματα από τις δουλειές σας.</translation>
    </message>
    <message>
        <source>BABY</source>
        <translation>ΜΩΡΟ</translation>
    </message>
    <message>
        <source>Fresh aspirations, purity and serenity. A new birth can be on the card.</source>
        <translation>Νέες προσδοκίες, αγνότητα και γαλήνη. Μια νέα γέννηση ίσως είναι προ των πυλών.</translation>
    </message>
    <message>
        <source>BALL</source>
        <translation>ΜΠΑΛΑ</translation>
    </message>
    <message>
        <source>Putting the finishing touch, change in luck.</source>
        <translation>Η τελευταία πινελιά, αλλαγή στην τύχη.</translation>
    </message>
    <message>
        <source>BELL</source>
        <translation>ΚΑΜΠΑΝΑ</translation>
    </message>
    <message>
        <source>Creative energy, heightened spirituality. </source>
        <translation>Δημιουργική ενέργεια, αυξημένη πνευματικότητα.</translation>
    </message>
    <message>
        <source>BIRD</source>
        <translation>ΠΟΥΛΙ</translation>
    </message>
    <message>
        <source>You will get some good news soon.</source>
        <translation>Σύντομα θα λάβετε καλά νέα.</translation>
    </message>
    <message>
        <source>BREAD</source>
        <translation>ΨΩΜΙ</translation>
    </message>
    <message>
        <source>Work hard to fulfill your desires. </source>
        <translation>Δουλέψτε σκληρά για να πραγματοποιήσετε τις επιθυμίες σας.</translation>
    </message>
    <message>
        <source>BRIDGE</source>
        <translation>ΓΕΦΥΡΑ</translation>
    </message>
    <message>
        <source>Coping with tumultuous situation, a point of transition. A clear bridge signifies win over all difficulties. </source>
        <translation>Αντιμετώπιση μιας ταραγμένης κατάστασης, ένα σημείο μετάβασης. Μια καθαρή γέφυρα σημαίνει ότι θα ξεπεράσετε κάθε δυσκολία.</translation>
    </message>
    <message>
        <source>BUTTERFLY</source>
        <translation>ΠΕΤΑΛΟΥΔΑ</translation>
    </message>
    <message>
        <source>Flirtatious streak of mind. Transformation.</source>
        <translation>Μια διάθεση για φλερτ. Μεταμόρφωση.</translation>
    </message>
    <message>
        <source>CAMERA</source>
        <translation>ΦΩΤΟΓΡΑΦΙΚΗ ΜΗΧΑΝΗ</translation>
    </message>
    <message>
        <source>You may be regarded as highly attractive by some important person. </source>
        <translation>Ίσως ασκείτε μεγάλη γοητεία σε κάποιο σημαντικό πρόσωπο.</translation>
    </message>
    <message>
        <source>CANDLE</source>
        <translation>ΚΕΡΙ</translation>
    </message>
    <message>
        <source>Your long cherished dream can come true. Support from others.</source>
        <translation>Ένα όνειρο που τρέφετε από καιρό μπορεί να πραγματοποιηθεί. Στήριξη από τους&#xa0;άλλους.</translation>
    </message>
    <message>
        <source>CAT</source>
        <translation>ΓΑΤΑ</translation>
    </message>
    <message>
        <source>A whimsical person.  You need not worry about white cats. Be on your guard if it is black. </source>
        <translation>Ένας ιδιότροπος άνθρωπος. Οι άσπρες γάτες δεν πρέπει να σας ανησυχούν. Αν η γάτα είναι μαύρη, να είστε σε επιφυλακή.</translation>
    </message>
    <message>
        <source>CHAIN</source>
        <translation>ΑΛΥΣΙΔΑ</translation>
    </message>
    <message>
        <source>Think twice before changing anything</source>
        <translation>Σκεφτείτε το καλά πριν αλλάξετε οτιδήποτε.</translation>
    </message>
    <message>
        <source>CHAIR</source>
        <translation>ΚΑΡΕΚΛΑ</translation>
    </message>
    <message>
        <source>A promotion, increase in social status</source>
        <translation>Προαγωγή, άνοδος της κοινωνικής θέσης.</translation>
    </message>
    <message>
        <source>CIRCLE</source>
        <translation>ΚΥΚΛΟΣ</translation>
    </message>
    <message>
        <source>Accomplishment, finishing a work successfully</source>
        <translation>Επίτευγμα, επιτυχής ολοκλήρωση μιας δουλειάς.</translation>
    </message>
    <message>
        <source>CIRCLES WITH A DOT INSIDE</source>
        <translation>ΚΥΚΛΟΙ ΜΕ ΚΟΥΚΚΙΔΑ ΣΤΟ ΚΕΝΤΡΟ</translation>
    </message>
    <message>
        <source>you can be a father/mother soon.</source>
        <translation>Σύντομα μπορεί να γίνετε πατέρας ή μητέρα.</translation>
    </message>
    <message>
        <source>COINS</source>
        <translation>ΚΕΡΜΑΤΑ</translation>
    </message>
    <message>
        <source>Unexpected gain of money.  </source>
        <translation>Απρόσμενο χρηματικό κέρδος.</translation>
    </message>
    <message>
        <source>CROSS</source>
        <translation>ΣΤΑΥΡΟΣ</translation>
    </message>
    <message>
        <source>Safeguarding, religious  devotion and sacrifice </source>
        <translation>Προστασία, θρησκευτική ευλάβεια και θυσία.</translation>
    </message>
    <message>
        <source>Victory after much difficulty. </source>
        <translation>Νίκη ύστερα από πολλές δυσκολίες.</translation>
    </message>
    <message>
        <source>DIAMONDS</source>
        <translation>ΔΙΑΜΑΝΤΙΑ</translation>
    </message>
    <message>
        <source>You can expect a marriage proposal. If already married, wealth and prosperity is on the card.</source>
        <translation>Μπορείτε να περιμένετε πρόταση γάμου. Αν είστε ήδη παντρεμένοι, έρχονται πλούτος και ευημερία.</translation>
    </message>
    <message>
        <source>DOG</source>
        <translation>ΣΚΥΛΟΣ</translation>
    </message>
    <message>
        <source>Finding a true friend, protection and loyalty</source>
        <translation>Ένας αληθινός φίλος, προστασία και αφοσίωση.</translation>
    </message>
    <message>
        <source>DOOR</source>
        <translation>ΠΟΡΤΑ</translation>
    </message>
    <message>
        <source>Something related to the government or new possibilities</source>
        <translation>Κάτι που σχετίζεται με το Δημόσιο ή νέες δυνατότητες.</translation>
    </message>
    <message>
        <source>ENVELOPE</source>
        <translation>ΦΑΚΕΛΟΣ</translation>
    </message>
    <message>
        <source>A new message is coming. White envelope stands for good news while the dark one signifies bad news.</source>
        <translation>Έρχεται ένα νέο μήνυμα. Ο λευκός φάκελος σημαίνει καλά νέα, ενώ ο σκούρος κακά&#xa0;νέα.</translation>
    </message>
    <message>
        <source>EYE</source>
        <translation>ΜΑΤΙ</translation>
    </message>
    <message>
        <source>someone is observing you </source>
        <translation>Κάποιος σας παρακολουθεί.</translation>
    </message>
    <message>
        <source>FIRE WORKS</source>
        <translation>ΠΥΡΟΤΕΧΝΗΜΑΤΑ</translation>
    </message>
    <message>
        <source>Altercation and complications in your private life</source>
        <translation>Διενέξεις και περιπλοκές στην προσωπική σας ζωή.</translation>
    </message>
    <message>
        <source>FIRE</source>
        <translation>ΦΩΤΙΑ</translation>
    </message>
    <message>
        <source>Be cautious while dealing with electrical equipments and inflammable things.</source>
        <translation>Να προσέχετε με τις ηλεκτρικές συσκευές και τα εύφλεκτα υλικά.</translation>
    </message>
    <message>
        <source>FISH</source>
        <translation>ΨΑΡΙ</translation>
    </message>
    <message>
        <source>good fortune in money matters.  </source>
        <translation>Καλή τύχη στα οικονομικά.</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>ΣΗΜΑΙΑ</translation>
    </message>
    <message>
        <source>symbol of fraternity and  peace.  </source>
        <translation>Σύμβολο αδελφοσύνης και ειρήνης.</translation>
    </message>
    <message>
        <source>FLOWERS</source>
        <translation>ΛΟΥΛΟΥΔΙΑ</translation>
    </message>
    <message>
        <source>Happy time for you!</source>
        <translation>Σας περιμένουν ευτυχισμένες στιγμές!</translation>
    </message>
    <message>
        <source>GENIE LAMP</source>
        <translation>ΜΑΓΙΚΟ ΛΥΧΝΑΡΙ</translation>
    </message>
    <message>
        <source>Your dream may come true. </source>
        <translation>Το όνειρό σας μπορεί να γίνει πραγματικότητα.</translation>
    </message>
    <message>
        <source>GOAT</source>
        <translation>ΚΑΤΣΙΚΑ</translation>
    </message>
    <message>
        <source>This symbol signifies an austere person</source>
        <translation>Αυτό το σύμβολο δηλώνει έναν αυστηρό άνθρωπο.</translation>
    </message>
    <message>
        <source>HAND</source>
        <translation>ΧΕΡΙ</translation>
    </message>
    <message>
        <source>An open hand means help from your friends</source>
        <translation>Ένα ανοιχτό χέρι σημαίνει βοήθεια από τους φίλους σας.</translation>
    </message>
    <message>
        <source>HARP</source>
        <translation>ΑΡΠΑ</translation>
    </message>
    <message>
        <source>You may find the love of your life </source>
        <translation>Μπορεί να βρείτε τον έρωτα της ζωής σας.</translation>
    </message>
    <message>
        <source>HAWK</source>
        <translation>ΓΕΡΑΚΙ</translation>
    </message>
    <message>
        <source>Someone is trying to snatch your possessions</source>
        <translation>Κάποιος προσπαθεί να σας αρπάξει όσα έχετε.</translation>
    </message>
    <message>
        <source>HEART</source>
        <translation>ΚΑΡΔΙΑ</translation>
    </message>
    <message>
        <source>An indication of affection, tender feeling and good health</source>
        <translation>Ένδειξη στοργής, τρυφερών αισθημάτων και καλής υγείας.</translation>
    </message>
    <message>
        <source>HORSE</source>
        <translation>ΑΛΟΓΟ</translation>
    </message>
    <message>
        <source>Galloping horse is a good omen</source>
        <translation>Ένα άλογο που καλπάζει είναι καλός οιωνός.</translation>
    </message>
    <message>
        <source>HORSESHOE</source>
        <translation>ΠΕΤΑΛΟ</translation>
    </message>
    <message>
        <source>Luck is in your favor</source>
        <translation>Η τύχη είναι με το μέρος σας.</translation>
    </message>
    <message>
        <source>HOUSE</source>
        <translation>ΣΠΙΤΙ</translation>
    </message>
    <message>
        <source>Safety, change, fulfillment of your desire</source>
        <translation>Ασφάλεια, αλλαγή, εκπλήρωση της επιθυμίας σας.</translation>
    </message>
    <message>
        <source>JUDGE</source>
        <translation>ΔΙΚΑΣΤΗΣ</translation>
    </message>
    <message>
        <source>Trial and justice</source>
        <translation>Δίκη και δικαιοσύνη.</translation>
    </message>
    <message>
        <source>KANGAROO</source>
        <translation>ΚΑΓΚΟΥΡΟ</translation>
    </message>
    <message>
        <source>You would achieve your target faster than you imagined</source>
        <translation>Θα πετύχετε τον στόχο σας πιο γρήγορα απ’ όσο φανταζόσασταν.</translation>
    </message>
    <message>
        <source>KITE</source>
        <translation>ΧΑΡΤΑΕΤΟΣ</translation>
    </message>
    <message>
        <source>Independence and an ambitious flight</source>
        <translation>Ανεξαρτησία και ένα φιλόδοξο πέταγμα.</translation>
    </message>
    <message>
        <source>KNIFE</source>
        <translation>ΜΑΧΑΙΡΙ</translation>
    </message>
    <message>
        <source>Be aware of deceitful friends</source>
        <translation>Προσέξτε τους ψεύτικους φίλους.</translation>
    </message>
    <message>
        <source>KNOTS</source>
        <translation>ΚΟΜΠΟΙ</translation>
    </message>
    <message>
        <source>Complications in your life. Maintain a healthy routine everyday</source>
        <translation>Περιπλοκές στη ζωή σας. Να τηρείτε κάθε μέρα ένα υγιεινό πρόγραμμα.</translation>
    </message>
    <message>
        <source>LADDER</source>
        <translation>ΣΚΑΛΑ</translation>
    </message>
    <message>
        <source>Increase in prestige, a high position in social hierarchy or a promotion</source>
        <translation>Αύξηση του κύρους, υψηλή θέση στην κοινωνική ιεραρχία ή προαγωγή.</translation>
    </message>
    <message>
        <source>LAMP</source>
        <translation>ΛΑΜΠΑ</translation>
    </message>
    <message>
        <source>A sudden flash of new idea</source>
        <translation>Μια νέα ιδέα που έρχεται ξαφνικά σαν αστραπή.</translation>
    </message>
    <message>
        <source>LAWYER</source>
        <translation>ΔΙΚΗΓΟΡΟΣ</translation>
    </message>
    <message>
        <source>You will sign an agreement soon</source>
        <translation>Σύντομα θα υπογράψετε μια συμφωνία.</translation>
    </message>
    <message>
        <source>LINES</source>
        <translation>ΓΡΑΜΜΕΣ</translation>
    </message>
    <message>
        <source>Tour and undertaking new project. Clear lines signify a favorable outcome.</source>
        <translation>Ταξίδι και ανάληψη νέου έργου. Οι καθαρές γραμμές σημαίνουν ευνοϊκή έκβαση.</translation>
    </message>
    <message>
        <source>LION</source>
        <translation>ΛΙΟΝΤΑΡΙ</translation>
    </message>
    <message>
        <source>A powerful mentor or friend</source>
        <translation>Ένας ισχυρός μέντορας ή φίλος.</translation>
    </message>
    <message>
        <source>MASK</source>
        <translation>ΜΑΣΚΑ</translation>
    </message>
    <message>
        <source>Try to find out the hidden truth</source>
        <translation>Προσπαθήστε να ανακαλύψετε την κρυμμένη αλήθεια.</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>ΦΕΓΓΑΡΙ</translation>
    </message>
    <message>
        <source>New moon heralds new beginning. A waning moon signifies the end </source>
        <translation>Το νέο φεγγάρι προμηνύει ένα νέο ξεκίνημα. Το φεγγάρι στη χάση του σημαίνει ότι κάτι τελειώνει.</translation>
    </message>
    <message>
        <source>MOUNTED HORSEMAN</source>
        <translation>ΚΑΒΑΛΑΡΗΣ</translation>
    </message>
    <message>
        <source>A new person in your life and there may be some attachment</source>
        <translation>Ένας καινούργιος άνθρωπος μπαίνει στη ζωή σας· ίσως δεθείτε.</translation>
    </message>
    <message>
        <source>NAIL</source>
        <translation>ΚΑΡΦΙ</translation>
    </message>
    <message>
        <source>Something unjust or unfair can happen</source>
        <translation>Μπορεί να σας συμβεί κάποια αδικία.</translation>
    </message>
    <message>
        <source>NECKLACE</source>
        <translation>ΚΟΛΙΕ</translation>
    </message>
    <message>
        <source>Broken necklace stands for trouble. You can lose your lover</source>
        <translation>Ένα σπασμένο κολιέ σημαίνει μπελάδες. Μπορεί να χάσετε το ταίρι σας.</translation>
    </message>
    <message>
        <source>OCTOPUS</source>
        <translation>ΧΤΑΠΟΔΙ</translation>
    </message>
    <message>
        <source>Performing a number of tasks at the same time</source>
        <translation>Πολλές δουλειές ταυτόχρονα.</translation>
    </message>
    <message>
        <source>OPEN WINDOW</source>
        <translation>ΑΝΟΙΧΤΟ ΠΑΡΑΘΥΡΟ</translation>
    </message>
    <message>
        <source>A very good opportunity is coming your way</source>
        <translation>Μια πολύ καλή ευκαιρία ανοίγεται μπροστά σας.</translation>
    </message>
    <message>
        <source>OWL</source>
        <translation>ΚΟΥΚΟΥΒΑΓΙΑ</translation>
    </message>
    <message>
        <source>Take care of your health. Someone close to you can pass away</source>
        <translation>Προσέξτε την υγεία σας. Κάποιος κοντινός σας άνθρωπος μπορεί να φύγει από τη&#xa0;ζωή.</translation>
    </message>
    <message>
        <source>PEACOCK</source>
        <translation>ΠΑΓΩΝΙ</translation>
    </message>
    <message>
        <source>Grace, lavishness and something you can take pride in</source>
        <translation>Χάρη, χλιδή και κάτι για το οποίο μπορείτε να είστε περήφανοι.</translation>
    </message>
    <message>
        <source>PURSE</source>
        <translation>ΠΟΡΤΟΦΟΛΙ</translation>
    </message>
    <message>
        <source>You can gain money if it is on top. At bottom, the opposite will happen</source>
        <translation>Αν βρίσκεται στο πάνω μέρος, μπορεί να κερδίσετε χρήματα. Στον πάτο του φλιτζανιού, θα συμβεί το αντίθετο.</translation>
    </message>
    <message>
        <source>QUESTION MARK</source>
        <translation>ΕΡΩΤΗΜΑΤΙΚΟ</translation>
    </message>
    <message>
        <source>Be cautious and consider wisely before going for something new</source>
        <translation>Να είστε προσεκτικοί και να σκεφτείτε με σύνεση πριν επιχειρήσετε κάτι νέο.</translation>
    </message>
    <message>
        <source>RAT</source>
        <translation>ΠΟΝΤΙΚΙ</translation>
    </message>
    <message>
        <source>Burglary, loss of money </source>
        <translation>Διάρρηξη, απώλεια χρημάτων.</translation>
    </message>
    <message>
        <source>RING</source>
        <translation>ΔΑΧΤΥΛΙΔΙ</translation>
    </message>
    <message>
        <source>Wedding bells for you. If it is situated at the bottom an enduring affair is on the card. If broken, it signifies complication in marriage</source>
        <translation>Σύντομα θα χτυπήσουν καμπάνες γάμου για εσάς. Αν βρίσκεται στον πάτο, διαφαίνεται μια μακροχρόνια σχέση. Αν είναι σπασμένο, σημαίνει δυσκολίες στον&#xa0;γάμο.</translation>
    </message>
    <message>
        <source>RINGS</source>
        <translation>ΔΑΧΤΥΛΙΔΙΑ</translation>
    </message>
    <message>
        <source>Completion of some important work, new engagement and proposal </source>
        <translation>Ολοκλήρωση μιας σημαντικής δουλειάς, νέος αρραβώνας και πρόταση γάμου.</translation>
    </message>
    <message>
        <source>ROOSTER</source>
        <translation>ΚΟΚΟΡΑΣ</translation>
    </message>
    <message>
        <source>You can indulge in some kind of quarrel</source>
        <translation>Μπορεί να μπλεχτείτε σε κάποιον καβγά.</translation>
    </message>
    <message>
        <source>ROSE</source>
        <translation>ΤΡΙΑΝΤΑΦΥΛΛΟ</translation>
    </message>
    <message>
        <source>A classic symbol for love and sensuality </source>
        <translation>Κλασικό σύμβολο αγάπης και αισθησιασμού.</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>ΖΥΓΑΡΙΑ</translation>
    </message>
    <message>
        <source>Issues related to law. A well balanced scale means justice; the unbalanced one means injustice </source>
        <translation>Ζητήματα που αφορούν τον νόμο. Μια ισορροπημένη ζυγαριά σημαίνει δικαιοσύνη· μια ζυγαριά που γέρνει σημαίνει αδικία.</translation>
    </message>
    <message>
        <source>SHIP</source>
        <translation>ΚΑΡΑΒΙ</translation>
    </message>
    <message>
        <source>You can detect new business opportunity </source>
        <translation>Μπορεί να εντοπίσετε μια νέα επαγγελματική ευκαιρία.</translation>
    </message>
    <message>
        <source>SHOE</source>
        <translation>ΠΑΠΟΥΤΣΙ</translation>
    </message>
    <message>
        <source>The condition of the shoe signifies soul. It can also mean transformation</source>
        <translation>Η όψη του παπουτσιού δείχνει την ψυχική σας κατάσταση. Μπορεί επίσης να σημαίνει μεταμόρφωση.</translation>
    </message>
    <message>
        <source>SNAKE</source>
        <translation>ΦΙΔΙ</translation>
    </message>
    <message>
        <source>An aggressive snake implies an enemy</source>
        <translation>Ένα επιθετικό φίδι υποδηλώνει έναν εχθρό.</translation>
    </message>
    <message>
        <source>SQUARES</source>
        <translation>ΤΕΤΡΑΓΩΝΑ</translation>
    </message>
    <message>
        <source>Possibilities of buying a new house</source>
        <translation>Ίσως αγοράσετε καινούργιο σπίτι.</translation>
    </message>
    <message>
        <source>STARS</source>
        <translation>ΑΣΤΕΡΙΑ</translation>
    </message>
    <message>
        <source>Good luck and positive outcome</source>
        <translation>Η τύχη σάς χαμογελά και όλα θα έχουν καλή έκβαση.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>ΗΛΙΟΣ</translation>
    </message>
    <message>
        <source>A time for celebration. It stands for delight and success</source>
        <translation>Καιρός για γιορτή. Συμβολίζει χαρά και επιτυχία.</translation>
    </message>
    <message>
        <source>SWORD</source>
        <translation>ΣΠΑΘΙ</translation>
    </message>
    <message>
        <source>Some argument regarding the question of authority</source>
        <translation>Μια διαφωνία γύρω από ζήτημα εξουσίας.</translation>
    </message>
    <message>
        <source>TABLE</source>
        <translation>ΤΡΑΠΕΖΙ</translation>
    </message>
    <message>
        <source>You can enjoy at the gathering of near and dear ones</source>
        <translation>Μπορεί να χαρείτε μια συγκέντρωση με τους αγαπημένους σας.</translation>
    </message>
    <message>
        <source>TREE</source>
        <translation>ΔΕΝΤΡΟ</translation>
    </message>
    <message>
        <source>Improvement in life and creative energy</source>
        <translation>Βελτίωση στη ζωή και δημιουργική ενέργεια.</translation>
    </message>
    <message>
        <source>TRIANGLE</source>
        <translation>ΤΡΙΓΩΝΟ</translation>
    </message>
    <message>
        <source>Something unpredictable may take place</source>
        <translation>Μπορεί να συμβεί κάτι απρόβλεπτο.</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>ΧΕΛΩΝΑ</translation>
    </message>
    <message>
        <source>You are implementing your plans at a low pace</source>
        <translation>Υλοποιείτε τα σχέδιά σας με αργό ρυθμό.</translation>
    </message>
    <message>
        <source>WATERFALL</source>
        <translation>ΚΑΤΑΡΡΑΚΤΗΣ</translation>
    </message>
    <message>
        <source>Abundance and affluence</source>
        <translation>Αφθονία και ευμάρεια.</translation>
    </message>
    <message>
        <source>WHEEL</source>
        <translation>ΡΟΔΑ</translation>
    </message>
    <message>
        <source>A wheel in a good shape marks good fortune; if broken, the result will be negative</source>
        <translation>Μια ρόδα σε καλή κατάσταση σημαίνει καλή τύχη· αν είναι σπασμένη, η έκβαση θα είναι αρνητική.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Το όνομά σας</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Η διεύθυνση email σας</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Το μήνυμά σας</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Το όνομα του φίλου σας</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Η διεύθυνση email του φίλου σας</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Εισαγάγετε δύο διαφορετικές διευθύνσεις email</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Εισαγάγετε μια έγκυρη διεύθυνση email</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Εισαγάγετε το όνομά σας</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Εισαγάγετε τη διεύθυνση email σας</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Εισαγάγετε το μήνυμά σας</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Εισαγάγετε το όνομα του φίλου σας</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Εισαγάγετε τη διεύθυνση email του φίλου σας</translation>
    </message>
    <message>
        <source>Your web browser could not be opened, so your referral was not sent. Everything you typed is still here; please try again.</source>
        <translation>Δεν ήταν δυνατό να ανοίξει ο περιηγητής σας, οπότε η σύστασή σας δεν μπόρεσε να σταλεί. Ό,τι γράψατε είναι ακόμα εδώ· δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Your referral is too long for your web browser, so it was not sent. Please shorten the names or the email addresses.</source>
        <translation>Η σύστασή σας είναι πολύ μεγάλη για τον περιηγητή σας, οπότε δεν στάλθηκε. Συντομεύστε τα ονόματα ή τις διευθύνσεις email.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Brewlore</source>
        <translation>Brewlore</translation>
    </message>
</context>
<context>
    <name>promotions</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Κοινή επωνυμία για τον ιστότοπό σας: περισσότερη αφοσίωση και κίνηση. Όνομα και σύνδεσμός σας εδώ· λεπτομέρειες στη&#xa0;«Βοήθεια». Πατήστε για πληροφορίες.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Δουλειά από το σπίτι: δική σας επιχείρηση και κέρδη στο Διαδίκτυο. Πάρτε το&#xa0;λογισμικό με πλήρη επωνυμία του ιστότοπού σας. Πατήστε για&#xa0;λεπτομέρειες.</translation>
    </message>
    <message>
        <source>The Most Popular Online Quillory Discussion Board. Best Resource For Everything Quillory. Visit %1 Now</source>
        <translation>Το πιο δημοφιλές φόρουμ για το Quillory. Η καλύτερη πηγή για όλα τα&#xa0;θέματα Quillory. Επισκεφθείτε τώρα το %1</translation>
    </message>
</context>
<context>
    <name>referral::PromptTextField</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Η διεύθυνση email δεν μπορεί να περιέχει κενά</translation>
    </message>
</context>
</TS>
